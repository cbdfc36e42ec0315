# Pendlow in German: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Gegen den Computer werfen: Nach 18 Würfen gewinnt die höhere Summe")
set(whatis "gegen den Computer werfen: Nach 18 Würfen gewinnt die höhere Summe")
set(caption "Würfe und Summen des Spielers und des Computers")
set(about
    "Pendlow (sein Fenster heißt Computerwürfel, auf Russisch Компьютерная кость) ist ein Glücksspiel gegen den Computer. Jeder Wurf zieht eine Zahl unter 10000 für Sie und eine für den Computer. Die Zahlen werden zu Summen addiert, und nach 18 Würfen gewinnt die höhere Summe.")
set(rules
    "Drücken Sie *Wurf* (*Бросок*) unter *SPIELER* (*ИГРОК*). Die Felder zeigen Ihre Zahl und die des Computers, jeweils von 0 bis 9999, die Wurfnummer (*Wurf*, *Ход №*) und beide Summen (*Punkte*, *Очки*)."
    "Nach dem 18. Wurf meldet ein Fenster, dass das Spiel aus ist, und ein weiteres nennt den Sieger und den Vorsprung. Der nächste Wurf beginnt ein neues Spiel. Sind die Summen gleich, geht das Spiel weiter, bis eine von ihnen eine Million erreicht."
    "Die Schaltfläche *Wurf* des Computers erinnert nur daran, dass Sie zuerst werfen. *Ende* (*Выход*) beendet das Spiel.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Computerwürfel: 18 Würfe gegen den Computer, die höhere Summe gewinnt")
set(keywords "Würfel;Wurf;Computer")
