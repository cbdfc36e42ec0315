# What every game's software-centre metadata says in French of the
# languages it speaks (desktop/metadata.cmake).
set(speaks_languages "Le jeu parle la langue du bureau s’il dispose d’une traduction dans cette langue, et l’anglais sinon.")
