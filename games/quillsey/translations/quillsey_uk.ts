<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>quillsey::MainWindow</name>
    <message>
        <source>Quillsey</source>
        <translation>Quillsey</translation>
    </message>
    <message>
        <source>Пуск1</source>
        <translation>Пуск 1</translation>
    </message>
    <message>
        <source>Пуск2</source>
        <translation>Пуск 2</translation>
    </message>
    <message>
        <source>Пуск3</source>
        <translation>Пуск 3</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Еxit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Общий результат</source>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Ставка</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Ваши деньги</source>
        <translation>Ваші гроші</translation>
    </message>
    <message>
        <source>Вы миллионер!!!</source>
        <translation>Ви мільйонер!!!</translation>
    </message>
    <message>
        <source>Не растраивайтесь, Вам еще повезет.Попробуйте снова.</source>
        <translation>Не засмучуйтеся, вам ще пощастить. Спробуйте знову.</translation>
    </message>
    <message>
        <source>Поле 1</source>
        <translation>Поле № 1</translation>
    </message>
    <message>
        <source>Поле 2</source>
        <translation>Поле № 2</translation>
    </message>
    <message>
        <source>Поле 3</source>
        <translation>Поле № 3</translation>
    </message>
</context>
<context>
    <name>quillsey::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)</source>
        <translation>Щоб виграти мільйон, вам треба зробити ставку (від 200 до 250 рублів)</translation>
    </message>
    <message>
        <source>и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков.</source>
        <translation>і запустити по черзі три поля. Кнопка «Сума» покаже вам загальну кількість очок.</translation>
    </message>
    <message>
        <source>При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля).</source>
        <translation>Кнопка «Рахунок» перетворює ваші очки на гроші (1 очко = 3 рублі).</translation>
    </message>
    <message>
        <source>Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером.</source>
        <translation>Кнопка «Підсумок» покаже, чи стали ви мільйонером.</translation>
    </message>
    <message>
        <source>Для выхода из игры нажмите Exit</source>
        <translation>Щоб вийти з гри, натисніть «Вихід».</translation>
    </message>
</context>
</TS>
