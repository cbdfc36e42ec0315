<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>tessaly::MainWindow</name>
    <message>
        <source>Бросание монеты</source>
        <translation>Pile ou face</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Пожалуйста,сделайте Вашу ставку:</source>
        <translation>Veuillez faire votre mise :</translation>
    </message>
    <message>
        <source>Пожалуйста,задайте условия</source>
        <translation>Annoncez pile ou face</translation>
    </message>
    <message>
        <source>Нажми одну и выиграй</source>
        <translation>Appuyez et gagnez</translation>
    </message>
    <message>
        <source>?!</source>
        <translation>?!</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>орел</source>
        <translation>face</translation>
    </message>
    <message>
        <source>решка</source>
        <translation>pile</translation>
    </message>
    <message>
        <source>Вам предлагается сделать ставку(ставка может быть любой), затем задать условия орел или решка и нажать одну из кнопок. В случае, если Ваше условие совпадет с условием выбранной Вами кнопочки, Ваш выигрыш составляет удвоенную сумму Вашей денежной ставки, в случае несовпадения, Ваша ставка переходит маклеру. Игра может продолжатся сколько Вам угодно. Если же хотите выйти из игры, нажмите кнопку Выход. При выходе из игры Вы забираете последнюю заработанную Вами сумму. Желаем Вам удачи!</source>
        <translation>Faites une mise (du montant de votre choix), puis annoncez pile ou face et appuyez sur l’un des boutons. Si votre annonce correspond au côté du bouton choisi, vous gagnez le double de votre mise ; sinon, votre mise revient au bookmaker. Vous pouvez jouer aussi longtemps que vous le souhaitez. Pour quitter la partie, appuyez sur le bouton Quitter. En quittant, vous emportez la dernière somme que vous avez gagnée. Nous vous souhaitons bonne chance !</translation>
    </message>
    <message>
        <source>условия игры</source>
        <translation>Règles du jeu</translation>
    </message>
    <message numerus="yes">
        <source>Сумма вашего выигрыша составляет%1 рублей.Выйти из игры?</source>
        <translation>
            <numerusform>Votre gain s’élève à %1 rouble. Quitter la partie ?</numerusform>
            <numerusform>Votre gain s’élève à %1 roubles. Quitter la partie ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Ваш счет: %1</source>
        <translation>Votre solde : %1</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Выпало</source>
        <translation>Côté obtenu</translation>
    </message>
    <message>
        <source>монета 1</source>
        <translation>pièce 1</translation>
    </message>
    <message>
        <source>монета 2</source>
        <translation>pièce 2</translation>
    </message>
    <message>
        <source>монета 3</source>
        <translation>pièce 3</translation>
    </message>
    <message>
        <source>монета 4</source>
        <translation>pièce 4</translation>
    </message>
    <message>
        <source>монета 5</source>
        <translation>pièce 5</translation>
    </message>
    <message>
        <source>монета 6</source>
        <translation>pièce 6</translation>
    </message>
</context>
</TS>
