# Tessaly in German: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Auf Kopf oder Zahl wetten und eine von sechs Schaltflächen drücken")
set(whatis "auf Kopf oder Zahl wetten und eine von sechs Schaltflächen drücken")
set(caption "Der Einsatz, die angesagte Seite, sechs Münzschaltflächen und der Kontostand")
set(about
    "Tessaly (sein Fenster heißt Münzwurf, auf Russisch Бросание монеты) ist ein Wettspiel. Sie nennen einen Einsatz und eine Seite der Münze und drücken dann eine von sechs Schaltflächen, von denen jede immer dieselbe Seite zeigt. Ein Treffer bringt das Doppelte des Einsatzes, ein Fehlschlag kostet ihn.")
set(rules
    "Geben Sie Ihren Einsatz, eine Zahl, in das erste Feld ein und Ihren Tipp in das zweite: Kopf oder Zahl (auf Russisch орел oder решка), genau so geschrieben, mit großem Anfangsbuchstaben. Drücken Sie dann eine der sechs Schaltflächen *?!*."
    "Die Seite, die die Schaltfläche zeigt, erscheint unter den Schaltflächen. Stimmt sie mit Ihrem Tipp überein, wird Ihrem Konto das Doppelte des Einsatzes gutgeschrieben, andernfalls wird der Einsatz abgezogen. Der Kontostand steht unter *Ergebnis* (*Результат*). Ein Einsatz, der keine Zahl ist, wird in einem Fenster gemeldet, und der letzte gültige Einsatz bleibt bestehen."
    "*Spielregeln* (*Правила игры*) zeigt die Regeln und fragt, ob Sie weiterspielen möchten, und mit Nein endet das Spiel. *Ende* (*Выход*) nennt Ihren Gewinn und fragt, ob Sie das Spiel beenden möchten.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Münzwurf: auf Kopf oder Zahl wetten und eine von sechs Schaltflächen drücken")
set(keywords "Münze;Münzwurf;Kopf;Zahl")
