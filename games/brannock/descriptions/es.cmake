# Brannock in Spanish: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Regístrate y tira dados contra el ordenador: gana el primero en llegar al millón")
set(whatis "regístrate y tira dados contra el ordenador: gana el primero en llegar al millón")
set(caption "Los dados y el dinero del jugador registrado y del ordenador")
set(about
    "Brannock es un juego de dados contra el ordenador. Después de registrarte, tú y el ordenador tiráis dos dados en cada turno, cada punto vale 3000 y gana el primero que pase del millón.")
set(rules
    "Pulsa *Registro* (*Регистрация*) y escribe tu nombre. Hasta que te registres, el juego no tira los dados. *Presentación* (*Ознакомление*) te da la bienvenida y pregunta si tienes todo listo para jugar, y si respondes «No», el juego termina."
    "*Go* tira dos dados por ti (la fila de arriba) y dos por el ordenador (la fila de abajo), cada uno del 1 al 5. Cada punto suma 3000 al dinero de su lado. El número de tirada (*Tirada*, *Ход №*) aparece en el centro."
    "Si pasas del millón primero, ganas. Si lo hace antes el ordenador o pasan unas cincuenta tiradas sin ningún millonario, se acaba la partida. Entonces empieza otra y el registro se mantiene. Para salir, cierra la ventana.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Tira dados contra el ordenador: gana el primero en llegar al millón")
set(keywords "dados;millón")
