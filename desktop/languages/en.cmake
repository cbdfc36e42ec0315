# What every game's software-centre metadata says in English of the
# languages it speaks (desktop/metadata.cmake).
set(speaks_languages "The game speaks the language of the desktop where it has a translation for it, and English otherwise.")
