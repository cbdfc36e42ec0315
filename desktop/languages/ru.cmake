# What every game's software-centre metadata says in Russian of the
# languages it speaks (desktop/metadata.cmake).
set(speaks_languages "Игра говорит на языке рабочего стола, если для него есть перевод, а иначе по-английски.")
