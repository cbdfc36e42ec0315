# Quillsey in Spanish: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Tres campos de números y una apuesta: ¿te harás millonario?")
set(whatis "tres campos de números y una apuesta: ¿te harás millonario?")
set(caption "El caracol, tres campos lanzados, la apuesta, los puntos y el dinero")
set(about
    "Quillsey es un juego de azar con apuesta. Cada uno de los tres campos lanza un número al azar, su suma multiplicada por tu apuesta te da los puntos, los puntos se convierten en dinero y el juego te dice si te has hecho millonario.")
set(rules
    "Escribe tu apuesta en el campo que hay bajo *Apuesta* (*Ставка*), de 200 a 250 rublos, como sugieren las reglas. Después pulsa *Lanzar 1*, *Lanzar 2* y *Lanzar 3* (*Пуск1*, *Пуск2*, *Пуск3*). Cada botón lanza su campo, que entonces muestra un número del 0 al 999."
    "*Sumar* (*Сумма*) multiplica la apuesta por la suma de los tres campos y muestra tus puntos (*Puntos*, *Очки*). *Cobrar* (*Счет*) convierte los puntos en dinero a 3 rublos por punto (*Tu dinero*, *Ваши деньги*). *Resultado final* (*Общий результат*) te dice si tu dinero supera el millón."
    "*Reglas* (*Правила игры*) muestra las reglas y *Salir* (*Exit*) termina el juego. Si la apuesta no es un número, un mensaje lo avisa y no cambia nada.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Tres campos de números, una apuesta y puntos: ¿te harás millonario?")
set(keywords "números;apuesta;millón")
