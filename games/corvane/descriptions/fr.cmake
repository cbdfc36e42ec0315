# Corvane in French: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Misez de 1 à 10 pièces sur un lancer qui peut aussi finir sur la tranche")
set(whatis "Misez de 1 à 10 pièces sur un lancer qui peut aussi finir sur la tranche")
set(caption "Mises de 1 à 10 pièces, pile ou face, le score et le lancer")
set(about
    "Corvane est un jeu de pile ou face. Vous commencez avec 15 pièces, vous en misez de 1 à 10 sur pile ou face et vous lancez la pièce : atteignez 100 pièces et vous gagnez, perdez-les toutes et la partie est perdue.")
set(rules
    "Choisissez votre mise sous *Combien miser ?* (*Сколько ставим?*) et votre côté sous *Pile ou face ?* (*Что выпадет?*), *Face* ou *Pile* (*Орёл*, *Решка*). Appuyez ensuite sur *Lancer* (*Бросить монету*)."
    "Face sort cinq fois sur dix et pile quatre fois. Une fois sur dix, la pièce tombe sur la tranche (*Tranche*, *Ребро*), ce qui compte comme le côté que vous avez annoncé. Une bonne annonce gagne la mise, une mauvaise la perd. Chaque pièce vaut 1000 $, et le score (*Score*, *Счет*) montre vos pièces et leur valeur."
    "La partie se termine quand vous n’avez plus de pièces ou que vous en avez 100, et une nouvelle partie commence avec 15 pièces. Fermez la fenêtre pour quitter.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Misez de 1 à 10 pièces sur pile ou face, la pièce peut tomber sur la tranche")
set(keywords "pièce;pile;face;mise")
