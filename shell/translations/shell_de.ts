<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>shell</name>
    <message>
        <source>Да</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Переполнение</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Несоответствие типа</source>
        <translation>Typkonflikt</translation>
    </message>
    <message>
        <source>Ошибка выполнения &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>shell::Form</name>
    <message>
        <source>%1 %2</source>
        <comment>caption and detail</comment>
        <extracomment>a caption and the word that tells apart boxes sharing it, as in &quot;Очки игрока&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>leer</translation>
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
