<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>brannock::MainWindow</name>
    <message>
        <source>Brannock</source>
        <translation>Brannock</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Ознакомление</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Inscription</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>         Я        компьютер</source>
        <translation>Moi, l’ordinateur</translation>
    </message>
    <message>
        <source>Введите ваше имя и фамилию:</source>
        <translation>Entrez vos prénom et nom :</translation>
    </message>
    <message>
        <source> Вас приветствует игра Brannock. Если вам не терпится выиграть миллион тогда вперёд не забудьте только зарегистрироваться. Вы готовы сыграть в Ordwyn?</source>
        <translation>Bienvenue dans Brannock ! Si vous avez hâte de gagner un million, alors foncez, mais n’oubliez pas de vous inscrire. Êtes-vous prêt à jouer à Ordwyn ?</translation>
    </message>
    <message>
        <source>Конец регистрации</source>
        <translation>Fin de l’inscription</translation>
    </message>
    <message>
        <source>Что забыл зарегистрироваться? Бывает</source>
        <translation>Alors, on a oublié de s’inscrire ? Ça arrive.</translation>
    </message>
    <message>
        <source>Зарегистрируйся новичок</source>
        <translation>Inscrivez-vous, le bleu</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Поздравляю вы выиграли миллион!</source>
        <translation>Félicitations, vous avez gagné un million !</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Tour %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Game over. Вы проиграли. Ха Ха Ха!!!!</source>
        <translation>Game over. Vous avez perdu. Ha Ha Ha !!!!</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>кость 1</source>
        <translation>dé 1</translation>
    </message>
    <message>
        <source>кость 2</source>
        <translation>dé 2</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Tour</translation>
    </message>
</context>
</TS>
