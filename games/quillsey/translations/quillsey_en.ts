<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>quillsey::MainWindow</name>
    <message>
        <source>Quillsey</source>
        <translation>Quillsey</translation>
    </message>
    <message>
        <source>Пуск1</source>
        <translation>Launch 1</translation>
    </message>
    <message>
        <source>Пуск2</source>
        <translation>Launch 2</translation>
    </message>
    <message>
        <source>Пуск3</source>
        <translation>Launch 3</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Еxit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Cash In</translation>
    </message>
    <message>
        <source>Общий результат</source>
        <translation>Final Result</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Game Rules</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Ваши деньги</source>
        <translation>Your money</translation>
    </message>
    <message>
        <source>Вы миллионер!!!</source>
        <translation>You&apos;re a millionaire!!!</translation>
    </message>
    <message>
        <source>Не растраивайтесь, Вам еще повезет.Попробуйте снова.</source>
        <translation>Don&apos;t be upset. Your luck will turn. Try again.</translation>
    </message>
    <message>
        <source>Поле 1</source>
        <translation>Field 1</translation>
    </message>
    <message>
        <source>Поле 2</source>
        <translation>Field 2</translation>
    </message>
    <message>
        <source>Поле 3</source>
        <translation>Field 3</translation>
    </message>
</context>
<context>
    <name>quillsey::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Game Rules</translation>
    </message>
    <message>
        <source>Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)</source>
        <translation>To win a million, you need to place a bet (from 200 to 250 roubles)</translation>
    </message>
    <message>
        <source>и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков.</source>
        <translation>and launch the three fields one after another. Press Total to get your points.</translation>
    </message>
    <message>
        <source>При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля).</source>
        <translation>Press Cash In to turn your points into money (1 point = 3 roubles).</translation>
    </message>
    <message>
        <source>Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером.</source>
        <translation>Press Final Result to find out whether you have become a millionaire.</translation>
    </message>
    <message>
        <source>Для выхода из игры нажмите Exit</source>
        <translation>To exit the game, press Exit.</translation>
    </message>
</context>
</TS>
