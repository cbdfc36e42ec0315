<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>quillsey::MainWindow</name>
    <message>
        <source>Quillsey</source>
        <translation>Quillsey</translation>
    </message>
    <message>
        <source>Пуск1</source>
        <translation>Lanzar 1</translation>
    </message>
    <message>
        <source>Пуск2</source>
        <translation>Lanzar 2</translation>
    </message>
    <message>
        <source>Пуск3</source>
        <translation>Lanzar 3</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Еxit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Общий результат</source>
        <translation>Resultado final</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Ваши деньги</source>
        <translation>Tu dinero</translation>
    </message>
    <message>
        <source>Вы миллионер!!!</source>
        <translation>¡¡¡Eres millonario!!!</translation>
    </message>
    <message>
        <source>Не растраивайтесь, Вам еще повезет.Попробуйте снова.</source>
        <translation>No te desanimes, que ya tendrás suerte. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Поле 1</source>
        <translation>Campo 1</translation>
    </message>
    <message>
        <source>Поле 2</source>
        <translation>Campo 2</translation>
    </message>
    <message>
        <source>Поле 3</source>
        <translation>Campo 3</translation>
    </message>
</context>
<context>
    <name>quillsey::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)</source>
        <translation>Para ganar un millón, tienes que hacer una apuesta (de 200 a 250 rublos)</translation>
    </message>
    <message>
        <source>и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков.</source>
        <translation>y lanzar los tres campos uno tras otro. Al pulsar el botón Sumar, obtendrás el total de puntos.</translation>
    </message>
    <message>
        <source>При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля).</source>
        <translation>Al pulsar el botón Cobrar, tus puntos se convierten en dinero (1 punto = 3 rublos).</translation>
    </message>
    <message>
        <source>Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером.</source>
        <translation>Si pulsas el botón Resultado final, sabrás si te has hecho millonario.</translation>
    </message>
    <message>
        <source>Для выхода из игры нажмите Exit</source>
        <translation>Para salir del juego, pulsa Salir.</translation>
    </message>
</context>
</TS>
