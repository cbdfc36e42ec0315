<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>quillsey::MainWindow</name>
    <message>
        <source>Quillsey</source>
        <translation>Quillsey</translation>
    </message>
    <message>
        <source>Пуск1</source>
        <translation>Lancer 1</translation>
    </message>
    <message>
        <source>Пуск2</source>
        <translation>Lancer 2</translation>
    </message>
    <message>
        <source>Пуск3</source>
        <translation>Lancer 3</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Еxit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Compter</translation>
    </message>
    <message>
        <source>Общий результат</source>
        <translation>Résultat final</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Ставка</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Ваши деньги</source>
        <translation>Vos gains</translation>
    </message>
    <message>
        <source>Вы миллионер!!!</source>
        <translation>Vous êtes millionnaire !!!</translation>
    </message>
    <message>
        <source>Не растраивайтесь, Вам еще повезет.Попробуйте снова.</source>
        <translation>Ne vous découragez pas, la chance finira par tourner. Réessayez.</translation>
    </message>
    <message>
        <source>Поле 1</source>
        <translation>Champ 1</translation>
    </message>
    <message>
        <source>Поле 2</source>
        <translation>Champ 2</translation>
    </message>
    <message>
        <source>Поле 3</source>
        <translation>Champ 3</translation>
    </message>
</context>
<context>
    <name>quillsey::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)</source>
        <translation>Pour gagner un million, vous devez faire une mise (de 200 à 250 roubles)</translation>
    </message>
    <message>
        <source>и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков.</source>
        <translation>et lancer tour à tour les trois champs. Le bouton Somme vous donne le total des points.</translation>
    </message>
    <message>
        <source>При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля).</source>
        <translation>Le bouton Compter convertit vos points en argent (1 point = 3 roubles).</translation>
    </message>
    <message>
        <source>Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером.</source>
        <translation>Le bouton Résultat final vous dit si vous êtes devenu millionnaire.</translation>
    </message>
    <message>
        <source>Для выхода из игры нажмите Exit</source>
        <translation>Pour quitter le jeu, appuyez sur Quitter.</translation>
    </message>
</context>
</TS>
