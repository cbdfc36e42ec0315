<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>quillsey::MainWindow</name>
    <message>
        <source>Quillsey</source>
        <translation>Quillsey</translation>
    </message>
    <message>
        <source>Пуск1</source>
        <translation>Start 1</translation>
    </message>
    <message>
        <source>Пуск2</source>
        <translation>Start 2</translation>
    </message>
    <message>
        <source>Пуск3</source>
        <translation>Start 3</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Еxit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Einlösen</translation>
    </message>
    <message>
        <source>Общий результат</source>
        <translation>Endergebnis</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Ваши деньги</source>
        <translation>Ihr Geld</translation>
    </message>
    <message>
        <source>Вы миллионер!!!</source>
        <translation>Sie sind Millionär!!!</translation>
    </message>
    <message>
        <source>Не растраивайтесь, Вам еще повезет.Попробуйте снова.</source>
        <translation>Seien Sie nicht traurig, das Glück kommt noch. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Поле 1</source>
        <translation>Feld 1</translation>
    </message>
    <message>
        <source>Поле 2</source>
        <translation>Feld 2</translation>
    </message>
    <message>
        <source>Поле 3</source>
        <translation>Feld 3</translation>
    </message>
</context>
<context>
    <name>quillsey::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)</source>
        <translation>Um eine Million zu gewinnen, müssen Sie einen Einsatz setzen (200 bis 250 Rubel)</translation>
    </message>
    <message>
        <source>и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков.</source>
        <translation>und nacheinander die drei Felder starten. Mit „Summe“ erhalten Sie Ihre Gesamtpunktzahl.</translation>
    </message>
    <message>
        <source>При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля).</source>
        <translation>Mit „Einlösen“ werden Ihre Punkte in Geld umgerechnet (1 Punkt = 3 Rubel).</translation>
    </message>
    <message>
        <source>Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером.</source>
        <translation>Mit „Endergebnis“ erfahren Sie, ob Sie Millionär geworden sind.</translation>
    </message>
    <message>
        <source>Для выхода из игры нажмите Exit</source>
        <translation>Zum Beenden des Spiels drücken Sie „Ende“.</translation>
    </message>
</context>
</TS>
