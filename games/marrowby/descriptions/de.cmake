# Marrowby in German: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Würfelspiel für zwei: Nach 25 Zügen gewinnt der höhere Punktestand")
set(whatis "Würfelspiel für zwei: Nach 25 Zügen gewinnt der höhere Punktestand")
set(caption "Zwei Würfel, der Gewinn des Wurfs und die Punktestände beider Spieler")
set(about
    "Marrowby ist ein Würfelspiel für zwei Spieler an einem Computer. Die Spieler werfen abwechselnd zwei Würfel, jeder Wurf bringt dem Werfenden einen Gewinn für seinen Punktestand, und nach je 25 Zügen gewinnt der höhere Punktestand.")
set(rules
    "Spieler 1 drückt *Spieler 1* (*Игрок № 1*) und Spieler 2 drückt *Spieler 2* (*Игрок № 2*), immer abwechselnd. Wer außer der Reihe drückt, erfährt, wer am Zug ist. Jeder Würfel zeigt 1 bis 5, und der Gewinn eines Wurfs (*Summe*, *Сумма*) beträgt das 1999-Fache der Augensumme plus 19999."
    "Beim 24. Zug von Spieler 2 erscheint ein Warnfenster. Nach dem 25. Zug von Spieler 2 nennt ein Fenster den Sieger und den Vorsprung oder ein Unentschieden, und ein neues Spiel beginnt."
    "*Regeln* (*Правила игры*) zeigt die Spielregeln, *Neues Spiel* (*Новая игра*) setzt die Punktestände zurück, und *Ende* (*Выход*) fragt, ob das Spiel beendet werden soll.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Würfelspiel für zwei: 25 Züge, der höhere Punktestand gewinnt")
set(keywords "Würfel;Würfelspiel;zwei Spieler")
