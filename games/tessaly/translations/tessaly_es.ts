<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>tessaly::MainWindow</name>
    <message>
        <source>Бросание монеты</source>
        <translation>Cara o cruz</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Пожалуйста,сделайте Вашу ставку:</source>
        <translation>Por favor, haz tu apuesta:</translation>
    </message>
    <message>
        <source>Пожалуйста,задайте условия</source>
        <translation>Por favor, ¿cara o cruz?</translation>
    </message>
    <message>
        <source>Нажми одну и выиграй</source>
        <translation>Pulsa una y gana</translation>
    </message>
    <message>
        <source>?!</source>
        <translation>?!</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>орел</source>
        <translation>cara</translation>
    </message>
    <message>
        <source>решка</source>
        <translation>cruz</translation>
    </message>
    <message>
        <source>Вам предлагается сделать ставку(ставка может быть любой), затем задать условия орел или решка и нажать одну из кнопок. В случае, если Ваше условие совпадет с условием выбранной Вами кнопочки, Ваш выигрыш составляет удвоенную сумму Вашей денежной ставки, в случае несовпадения, Ваша ставка переходит маклеру. Игра может продолжатся сколько Вам угодно. Если же хотите выйти из игры, нажмите кнопку Выход. При выходе из игры Вы забираете последнюю заработанную Вами сумму. Желаем Вам удачи!</source>
        <translation>Haz una apuesta (de la cantidad que quieras), luego escribe cara o cruz y pulsa uno de los botones. Si lo que has elegido coincide con el lado del botón que has pulsado, ganas el doble de lo que has apostado; si no, tu apuesta se la queda la banca. Puedes jugar todo el tiempo que quieras. Si quieres salir del juego, pulsa el botón Salir. Al salir te llevas la última cantidad que hayas ganado. ¡Te deseamos suerte!</translation>
    </message>
    <message>
        <source>условия игры</source>
        <translation>Reglas del juego</translation>
    </message>
    <message numerus="yes">
        <source>Сумма вашего выигрыша составляет%1 рублей.Выйти из игры?</source>
        <translation>
            <numerusform>Tus ganancias suman %1 rublo. ¿Quieres salir del juego?</numerusform>
            <numerusform>Tus ganancias suman %1 rublos. ¿Quieres salir del juego?</numerusform>
        </translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Ваш счет: %1</source>
        <translation>Tu saldo: %1</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Выпало</source>
        <translation>Ha salido</translation>
    </message>
    <message>
        <source>монета 1</source>
        <translation>moneda 1</translation>
    </message>
    <message>
        <source>монета 2</source>
        <translation>moneda 2</translation>
    </message>
    <message>
        <source>монета 3</source>
        <translation>moneda 3</translation>
    </message>
    <message>
        <source>монета 4</source>
        <translation>moneda 4</translation>
    </message>
    <message>
        <source>монета 5</source>
        <translation>moneda 5</translation>
    </message>
    <message>
        <source>монета 6</source>
        <translation>moneda 6</translation>
    </message>
</context>
</TS>
