<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>tessaly::MainWindow</name>
    <message>
        <source>Бросание монеты</source>
        <translation>Münzwurf</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Пожалуйста,сделайте Вашу ставку:</source>
        <translation>Ihr Einsatz, bitte:</translation>
    </message>
    <message>
        <source>Пожалуйста,задайте условия</source>
        <translation>Kopf oder Zahl, bitte:</translation>
    </message>
    <message>
        <source>Нажми одну и выиграй</source>
        <translation>Drücken und gewinnen</translation>
    </message>
    <message>
        <source>?!</source>
        <translation>?!</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>орел</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>решка</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Вам предлагается сделать ставку(ставка может быть любой), затем задать условия орел или решка и нажать одну из кнопок. В случае, если Ваше условие совпадет с условием выбранной Вами кнопочки, Ваш выигрыш составляет удвоенную сумму Вашей денежной ставки, в случае несовпадения, Ваша ставка переходит маклеру. Игра может продолжатся сколько Вам угодно. Если же хотите выйти из игры, нажмите кнопку Выход. При выходе из игры Вы забираете последнюю заработанную Вами сумму. Желаем Вам удачи!</source>
        <translation>Setzen Sie einen beliebigen Betrag, geben Sie dann „Kopf“ oder „Zahl“ ein und drücken Sie eine der Schaltflächen. Stimmt Ihr Tipp mit der Seite der gewählten Schaltfläche überein, gewinnen Sie das Doppelte Ihres Einsatzes, andernfalls geht Ihr Einsatz an den Buchmacher. Sie können spielen, solange Sie möchten. Wenn Sie das Spiel verlassen wollen, drücken Sie „Ende“. Beim Verlassen nehmen Sie die zuletzt gewonnene Summe mit. Wir wünschen Ihnen viel Glück!</translation>
    </message>
    <message>
        <source>условия игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message numerus="yes">
        <source>Сумма вашего выигрыша составляет%1 рублей.Выйти из игры?</source>
        <translation>
            <numerusform>Ihr Gewinn beträgt %1 Rubel. Spiel beenden?</numerusform>
            <numerusform>Ihr Gewinn beträgt %1 Rubel. Spiel beenden?</numerusform>
        </translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Ваш счет: %1</source>
        <translation>Kontostand: %1</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Выпало</source>
        <translation>Münze zeigt</translation>
    </message>
    <message>
        <source>монета 1</source>
        <translation>Münze 1</translation>
    </message>
    <message>
        <source>монета 2</source>
        <translation>Münze 2</translation>
    </message>
    <message>
        <source>монета 3</source>
        <translation>Münze 3</translation>
    </message>
    <message>
        <source>монета 4</source>
        <translation>Münze 4</translation>
    </message>
    <message>
        <source>монета 5</source>
        <translation>Münze 5</translation>
    </message>
    <message>
        <source>монета 6</source>
        <translation>Münze 6</translation>
    </message>
</context>
</TS>
