# Marrowby in French: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Dés à deux joueurs : après 25 coups, le plus gros score l’emporte")
set(whatis "Dés à deux joueurs : après 25 coups, le plus gros score l’emporte")
set(caption "Deux dés, le gain du lancer et le score des deux joueurs")
set(about
    "Marrowby est un jeu de dés pour deux joueurs sur un même ordinateur. Les joueurs lancent deux dés chacun à leur tour, chaque lancer rapporte un gain au score de celui qui lance, et après 25 coups chacun, le plus gros score l’emporte.")
set(rules
    "Le joueur 1 appuie sur *Joueur 1* (*Игрок № 1*) et le joueur 2 sur *Joueur 2* (*Игрок № 2*), chacun à son tour. Un joueur qui appuie hors de son tour se voit rappeler à qui c’est le tour de jouer. Chaque dé montre de 1 à 5, et le gain d’un lancer (*Gain*, *Сумма*) vaut 1999 fois la somme des dés, plus 19999."
    "Au 24e coup du joueur 2, une fenêtre d’avertissement s’ouvre. Après le 25e coup du joueur 2, une fenêtre annonce le gagnant et l’écart, ou un match nul, et une nouvelle partie commence."
    "*Règles* (*Правила игры*) affiche les règles, *Rejouer* (*Новая игра*) remet les scores à zéro et *Quitter* (*Выход*) demande si vous voulez terminer la partie.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Jeu de dés pour deux joueurs : 25 coups, le plus gros score l’emporte")
set(keywords "dés;deux joueurs")
