# Tessaly in French: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Misez sur pile ou face et appuyez sur l’un des six boutons-pièces")
set(whatis "Misez sur pile ou face et appuyez sur l’un des six boutons-pièces")
set(caption "La mise, le côté annoncé, six boutons-pièces et le solde")
set(about
    "Tessaly (sa fenêtre s’intitule Pile ou face, en russe Бросание монеты) est un jeu de paris. Vous indiquez une mise et un côté de la pièce, puis vous appuyez sur l’un des six boutons, dont chacun montre toujours le même côté. Si le côté correspond, vous gagnez le double de la mise, sinon vous la perdez.")
set(rules
    "Tapez votre mise, un nombre, dans le premier champ et votre annonce dans le second : pile ou face (en russe решка ou орел), en minuscules et écrite exactement ainsi. Appuyez ensuite sur l’un des six boutons *?!*."
    "Le côté que montre le bouton s’affiche sous les boutons. S’il correspond à votre annonce, le double de la mise s’ajoute à votre solde, sinon la mise en est retirée. Le solde s’affiche sous *Résultat* (*Результат*). Une mise qui n’est pas un nombre est signalée dans une fenêtre, et la dernière mise valable reste en vigueur."
    "*Règles* (*Правила игры*) affiche les règles et demande s’il faut continuer, et répondre « Non » ferme le jeu. *Quitter* (*Выход*) annonce vos gains et demande si vous voulez quitter le jeu.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Pile ou face : misez sur un côté et appuyez sur l’un des six boutons")
set(keywords "pièce;pile;face")
