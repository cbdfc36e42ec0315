# What every game's software-centre metadata says in Spanish of the
# languages it speaks (desktop/metadata.cmake).
set(speaks_languages "El juego habla el idioma del escritorio si está traducido a él y, si no, inglés.")
