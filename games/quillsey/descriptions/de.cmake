# Quillsey in German: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Drei Zahlenfelder und ein Einsatz: Werden Sie Millionär?")
set(whatis "Drei Zahlenfelder und ein Einsatz: Werden Sie Millionär?")
set(caption "Die Schnecke, drei gestartete Felder, der Einsatz, Punkte und Geld")
set(about
    "Quillsey ist ein Glücksspiel mit Einsatz. Drei Felder liefern je eine Zufallszahl, ihre Summe mal Ihrem Einsatz ergibt Ihre Punkte, die Punkte werden zu Geld, und das Spiel sagt Ihnen, ob Sie Millionär geworden sind.")
set(rules
    "Geben Sie Ihren Einsatz in das Feld unter *Einsatz* (*Ставка*) ein, laut den Regeln 200 bis 250 Rubel. Drücken Sie dann *Start 1*, *Start 2* und *Start 3* (*Пуск1*, *Пуск2*, *Пуск3*). Jede dieser Schaltflächen startet ihr Feld, das danach eine Zahl von 0 bis 999 zeigt."
    "*Summe* (*Сумма*) multipliziert den Einsatz mit der Summe der drei Felder und zeigt Ihre Punkte (*Punkte*, *Очки*). *Einlösen* (*Счет*) rechnet die Punkte in Geld um, 3 Rubel je Punkt (*Ihr Geld*, *Ваши деньги*). *Endergebnis* (*Общий результат*) sagt Ihnen, ob Ihr Geld über einer Million liegt."
    "*Spielregeln* (*Правила игры*) zeigt die Regeln, und *Ende* (*Exit*) beendet das Spiel. Ein Einsatz, der keine Zahl ist, wird in einem Fenster gemeldet und ändert nichts.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Drei Zahlenfelder, ein Einsatz und Punkte: Werden Sie Millionär?")
set(keywords "Zahlen;Einsatz;Million;Millionär")
