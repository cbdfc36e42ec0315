# What every game's software-centre metadata says in Ukrainian of the
# languages it speaks (desktop/metadata.cmake).
set(speaks_languages "Гра розмовляє мовою робочого столу, якщо для неї є переклад, а інакше — англійською.")
