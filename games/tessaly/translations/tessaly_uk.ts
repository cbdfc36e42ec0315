<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>tessaly::MainWindow</name>
    <message>
        <source>Бросание монеты</source>
        <translation>Кидання монети</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>Пожалуйста,сделайте Вашу ставку:</source>
        <translation>Будь ласка, зробіть ставку:</translation>
    </message>
    <message>
        <source>Пожалуйста,задайте условия</source>
        <translation>Будь ласка, оберіть бік</translation>
    </message>
    <message>
        <source>Нажми одну и выиграй</source>
        <translation>Тисни одну й виграй</translation>
    </message>
    <message>
        <source>?!</source>
        <translation>?!</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>орел</source>
        <translation>орел</translation>
    </message>
    <message>
        <source>решка</source>
        <translation>решка</translation>
    </message>
    <message>
        <source>Вам предлагается сделать ставку(ставка может быть любой), затем задать условия орел или решка и нажать одну из кнопок. В случае, если Ваше условие совпадет с условием выбранной Вами кнопочки, Ваш выигрыш составляет удвоенную сумму Вашей денежной ставки, в случае несовпадения, Ваша ставка переходит маклеру. Игра может продолжатся сколько Вам угодно. Если же хотите выйти из игры, нажмите кнопку Выход. При выходе из игры Вы забираете последнюю заработанную Вами сумму. Желаем Вам удачи!</source>
        <translation>Зробіть ставку (вона може бути будь-якою), потім оберіть бік монети, орел чи решка, і натисніть одну з кнопок. Якщо обраний вами бік збіжиться з тим, який покаже натиснута кнопочка, ви виграєте подвійну суму своєї ставки, а якщо ні, ваша ставка переходить до букмекера. Грати можна скільки завгодно. Якщо захочете вийти з гри, натисніть кнопку «Вихід». Виходячи з гри, ви забираєте останню виграну суму. Бажаємо вам удачі!</translation>
    </message>
    <message>
        <source>условия игры</source>
        <translation>Умови гри</translation>
    </message>
    <message numerus="yes">
        <source>Сумма вашего выигрыша составляет%1 рублей.Выйти из игры?</source>
        <translation>
            <numerusform>Сума вашого виграшу становить %1 рубль. Вийти з гри?</numerusform>
            <numerusform>Сума вашого виграшу становить %1 рублі. Вийти з гри?</numerusform>
            <numerusform>Сума вашого виграшу становить %1 рублів. Вийти з гри?</numerusform>
        </translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>Ваш счет: %1</source>
        <translation>Ваш рахунок: %1</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Выпало</source>
        <translation>Випало</translation>
    </message>
    <message>
        <source>монета 1</source>
        <translation>монета № 1</translation>
    </message>
    <message>
        <source>монета 2</source>
        <translation>монета № 2</translation>
    </message>
    <message>
        <source>монета 3</source>
        <translation>монета № 3</translation>
    </message>
    <message>
        <source>монета 4</source>
        <translation>монета № 4</translation>
    </message>
    <message>
        <source>монета 5</source>
        <translation>монета № 5</translation>
    </message>
    <message>
        <source>монета 6</source>
        <translation>монета № 6</translation>
    </message>
</context>
</TS>
