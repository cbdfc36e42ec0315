# Corvane in German: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "1 bis 10 Münzen auf eine Münze setzen, die auch auf der Kante landen kann")
set(whatis "1 bis 10 Münzen auf eine Münze setzen, die auch auf der Kante landen kann")
set(caption "Einsätze von 1 bis 10 Münzen, Kopf oder Zahl, der Stand und der Wurf")
set(about
    "Corvane ist ein Münzwurfspiel. Sie beginnen mit 15 Münzen, setzen 1 bis 10 davon auf Kopf oder Zahl und werfen: Mit 100 Münzen gewinnen Sie, verlieren Sie alle, ist das Spiel verloren.")
set(rules
    "Wählen Sie Ihren Einsatz unter *Ihr Einsatz?* (*Сколько ставим?*) und Ihre Seite unter *Ihr Tipp?* (*Что выпадет?*), *Kopf* oder *Zahl* (*Орёл*, *Решка*). Drücken Sie dann *Münze werfen* (*Бросить монету*)."
    "Kopf fällt fünfmal in zehn Würfen und Zahl viermal. Einmal in zehn Würfen landet die Münze auf der Kante (*Kante*, *Ребро*), und das zählt als die angesagte Seite. Ein richtiger Tipp gewinnt den Einsatz, ein falscher verliert ihn. Jede Münze ist 1000 $ wert, und der Stand (*Stand*, *Счет*) zeigt Ihre Münzen und ihren Gesamtwert."
    "Das Spiel endet, wenn Sie keine Münzen mehr haben oder 100 erreichen, und ein neues Spiel beginnt mit 15 Münzen. Schließen Sie das Fenster, um aufzuhören.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "1 bis 10 Münzen auf Kopf oder Zahl setzen, auch die Kante ist möglich")
set(keywords "Münze;Münzwurf;Kopf;Zahl;Einsatz")
