<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>pendlow::MainWindow</name>
    <message>
        <source> Компьютерная кость</source>
        <translation>Dé virtuel</translation>
    </message>
    <message>
        <source>ИГРОК</source>
        <translation>JOUEUR</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>MACHINE</translation>
    </message>
    <message>
        <source>Бросок</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Tour %1</translation>
    </message>
    <message>
        <source>Игра окончена</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Игра окончена!</source>
        <translation>Partie terminée !</translation>
    </message>
    <message>
        <source>Компьютерная кость</source>
        <translation>Dé virtuel</translation>
    </message>
    <message>
        <source>Вы миллионер!!!!</source>
        <translation>Vous êtes millionnaire !!!!</translation>
    </message>
    <message>
        <source>Компьютер-миллионер!!!</source>
        <translation>La machine est millionnaire !!!</translation>
    </message>
    <message numerus="yes">
        <source>Выигрыш компьютера %1</source>
        <translation>
            <numerusform>La machine l’emporte de %1 point</numerusform>
            <numerusform>La machine l’emporte de %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваш выигрыш %1</source>
        <translation>
            <numerusform>Vous l’emportez de %1 point</numerusform>
            <numerusform>Vous l’emportez de %1 points</numerusform>
        </translation>
    </message>
    <message>
        <source> Вы первый </source>
        <translation>Vous jouez en premier</translation>
    </message>
    <message>
        <source>Компьютер ход уже сделал!</source>
        <translation>La machine a déjà joué !</translation>
    </message>
    <message>
        <source>игрока</source>
        <translation>joueur</translation>
    </message>
    <message>
        <source>компьютера</source>
        <translation>machine</translation>
    </message>
    <message>
        <source>бросок игрока</source>
        <translation>lancer du joueur</translation>
    </message>
    <message>
        <source>бросок компьютера</source>
        <translation>lancer de la machine</translation>
    </message>
</context>
</TS>
