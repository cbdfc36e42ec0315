<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Сколько ставим?</source>
        <translation>Скільки монет?</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Что выпадет?</source>
        <translation>Що випаде?</translation>
    </message>
    <message>
        <source>Делайте Ваши ставки</source>
        <translation>Робіть ваші ставки</translation>
    </message>
    <message>
        <source>Бросить монету</source>
        <translation>Кинути монету</translation>
    </message>
    <message>
        <source>1 монету</source>
        <translation>1&#xa0;монету</translation>
    </message>
    <message>
        <source>2 монеты</source>
        <translation>2&#xa0;монети</translation>
    </message>
    <message>
        <source>3 монеты</source>
        <translation>3&#xa0;монети</translation>
    </message>
    <message>
        <source>4 монеты</source>
        <translation>4&#xa0;монети</translation>
    </message>
    <message>
        <source>5 монет</source>
        <translation>5&#xa0;монет</translation>
    </message>
    <message>
        <source>6 монет</source>
        <translation>6&#xa0;монет</translation>
    </message>
    <message>
        <source>7 монет</source>
        <translation>7&#xa0;монет</translation>
    </message>
    <message>
        <source>8 монет</source>
        <translation>8&#xa0;монет</translation>
    </message>
    <message>
        <source>9 монет</source>
        <translation>9&#xa0;монет</translation>
    </message>
    <message>
        <source>10 монет</source>
        <translation>10&#xa0;монет</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: 15</source>
        <translation>Зараз у вас монет: 15</translation>
    </message>
    <message>
        <source>Можно выиграть монет: </source>
        <translation>Можна виграти монет:</translation>
    </message>
    <message>
        <source>Можно выиграть: 0$</source>
        <translation>Можна виграти: 0 $</translation>
    </message>
    <message>
        <source> Общая сумма: 15000 $</source>
        <translation>Усього: 15000 $</translation>
    </message>
    <message>
        <source>Орёл</source>
        <translation>Орел</translation>
    </message>
    <message>
        <source>Решка</source>
        <translation>Решка</translation>
    </message>
    <message>
        <source>Можно выиграть монет: %1</source>
        <translation>Можна виграти монет: %1</translation>
    </message>
    <message>
        <source>Можно выиграть: %1</source>
        <translation>Можна виграти: %1 $</translation>
    </message>
    <message>
        <source>Сделайте ставку!</source>
        <translation>Зробіть ставку!</translation>
    </message>
    <message>
        <source>Орел!</source>
        <translation>Орел!</translation>
    </message>
    <message>
        <source>Решка!</source>
        <translation>Решка!</translation>
    </message>
    <message>
        <source>Ребро!</source>
        <translation>Ребро!</translation>
    </message>
    <message>
        <source>Вы проиграли :( ! Сыграем еще?</source>
        <translation>Ви програли :( Зіграємо ще?</translation>
    </message>
    <message>
        <source>Вы выиграли :) ! Сыграем еще?</source>
        <translation>Ви виграли :) Зіграємо ще?</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: %1</source>
        <translation>Зараз у вас монет: %1</translation>
    </message>
    <message>
        <source>Общая сумма: %1$</source>
        <translation>Усього: %1 $</translation>
    </message>
</context>
</TS>
