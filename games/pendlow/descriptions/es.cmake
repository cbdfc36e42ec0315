# Pendlow in Spanish: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Tiradas contra el ordenador: tras 18 tiradas gana el total más alto")
set(whatis "tiradas contra el ordenador: tras 18 tiradas gana el total más alto")
set(caption "Las tiradas y los totales del jugador y del ordenador")
set(about
    "Pendlow (su ventana se titula Dado virtual, en ruso Компьютерная кость) es un juego de azar contra el ordenador. Cada tirada saca un número menor que 10000 para ti y otro para el ordenador. Los números se van sumando y, tras 18 tiradas, gana el total más alto.")
set(rules
    "Pulsa *Tirar* (*Бросок*) bajo *JUGADOR* (*ИГРОК*). Los campos muestran tu número y el del ordenador, cada uno del 0 al 9999, el número de tirada (*Tirada*, *Ход №*) y los dos totales (*Puntos*, *Очки*)."
    "Tras la 18.ª tirada, un mensaje dice que la partida ha terminado y otro anuncia el ganador y la diferencia. La siguiente tirada empieza una partida nueva. Si los totales quedan empatados, la partida sigue hasta que uno de los dos llegue al millón."
    "El botón *Tirar* del ordenador solo te recuerda que tiras tú primero. *Salir* (*Выход*) termina el juego.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Dado virtual: 18 tiradas contra el ordenador, gana el total más alto")
set(keywords "dados;tirada")
