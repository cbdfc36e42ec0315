# What every game's software-centre metadata says in German of the
# languages it speaks (desktop/metadata.cmake).
set(speaks_languages "Das Spiel spricht die Sprache der Arbeitsumgebung, sofern es eine Übersetzung dafür hat, und sonst Englisch.")
