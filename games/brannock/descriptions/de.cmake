# Brannock in German: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Anmelden, dann gegen den Computer würfeln: Wer zuerst eine Million hat, gewinnt")
set(whatis "anmelden, dann gegen den Computer würfeln: Wer zuerst eine Million hat, gewinnt")
set(caption "Würfel und Geld des angemeldeten Spielers und des Computers")
set(about
    "Brannock ist ein Würfelspiel gegen den Computer. Sobald Sie angemeldet sind, werfen Sie und der Computer in jeder Runde je zwei Würfel, jeder Punkt ist 3000 wert, und wer zuerst eine Million überschreitet, gewinnt.")
set(rules
    "Drücken Sie *Anmeldung* (*Регистрация*) und geben Sie Ihren Namen ein. Vor der Anmeldung wirft das Spiel keine Würfel. *Einführung* (*Ознакомление*) begrüßt Sie und fragt, ob Sie bereit sind zu spielen, und mit Nein endet das Spiel."
    "*Los* (*Go*) wirft zwei Würfel für Sie (die obere Reihe) und zwei für den Computer (die untere Reihe), jeden von 1 bis 5. Jeder Punkt erhöht das Geld der jeweiligen Seite um 3000. Die Wurfnummer (*Wurf*, *Ход №*) steht in der Mitte."
    "Kommen Sie zuerst über eine Million, haben Sie gewonnen. Schafft es der Computer oder vergehen rund fünfzig Würfe ohne Millionär, ist das Spiel aus. Dann beginnt ein neues, und die Anmeldung bleibt bestehen. Schließen Sie das Fenster, um aufzuhören.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Gegen den Computer würfeln: Wer zuerst eine Million hat, gewinnt")
set(keywords "Würfel;Würfelspiel;Million")
