# Pendlow in French: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Lancers contre l’ordinateur : après 18 lancers, le plus gros total gagne")
set(whatis "Lancers contre l’ordinateur : après 18 lancers, le plus gros total gagne")
set(caption "Les lancers et les totaux du joueur et de l’ordinateur")
set(about
    "Pendlow (sa fenêtre s’intitule Dé virtuel, en russe Компьютерная кость) est un jeu de hasard contre l’ordinateur. Chaque lancer tire un nombre inférieur à 10000 pour vous et un autre pour l’ordinateur. Les nombres s’additionnent en totaux, et après 18 lancers, le plus gros total gagne.")
set(rules
    "Appuyez sur *Lancer* (*Бросок*) sous *JOUEUR* (*ИГРОК*). Les champs affichent votre nombre et celui de l’ordinateur, chacun de 0 à 9999, le numéro du tour (*Tour*, *Ход №*) et les deux totaux (*Points*, *Очки*)."
    "Après le 18e lancer, une fenêtre annonce que la partie est finie, et une autre nomme le gagnant et l’écart. Le lancer suivant commence une nouvelle partie. Si les totaux sont égaux, la partie continue jusqu’à ce que l’un d’eux atteigne un million."
    "Le bouton *Lancer* de l’ordinateur, sous *MACHINE* (*КОМПЬЮТЕР*), rappelle seulement que c’est vous qui lancez en premier. *Quitter* (*Выход*) ferme le jeu.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Dé virtuel : 18 lancers contre l’ordinateur, le plus gros total gagne")
set(keywords "dés;lancer")
