<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>shell</name>
    <message>
        <source>Да</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Переполнение</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Несоответствие типа</source>
        <translation>Невідповідність типу</translation>
    </message>
    <message>
        <source>Ошибка выполнения &apos;%1&apos;:

%2</source>
        <translation>Помилка виконання «%1»:

%2</translation>
    </message>
</context>
<context>
    <name>shell::Form</name>
    <message>
        <source>%1 %2</source>
        <comment>caption and detail</comment>
        <extracomment>a caption and the word that tells apart boxes sharing it, as in &quot;Очки игрока&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a name and the value it names, with a pause between, as in &quot;ИГРОК: 7055&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>between the values of one announcement</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
