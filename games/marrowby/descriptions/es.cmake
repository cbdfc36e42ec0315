# Marrowby in Spanish: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Dados para dos jugadores: tras 25 turnos gana la puntuación más alta")
set(whatis "dados para dos jugadores: tras 25 turnos gana la puntuación más alta")
set(caption "Dos dados, el premio de la tirada y la puntuación de los dos jugadores")
set(about
    "Marrowby es un juego de dados para dos jugadores en un mismo ordenador. Los jugadores tiran dos dados por turnos, cada tirada suma un premio a la puntuación de quien tira y, tras 25 turnos de cada uno, gana la puntuación más alta.")
set(rules
    "El jugador 1 pulsa *Jugador 1* (*Игрок № 1*) y el jugador 2 pulsa *Jugador 2* (*Игрок № 2*), por turnos. Si alguien pulsa cuando no le toca, el juego le dice a quién le toca. Cada dado muestra de 1 a 5, y el premio de una tirada (*Premio*, *Сумма*) es 1999 veces la suma de los dados más 19999."
    "En el 24.º turno del jugador 2 se abre una ventana de aviso. Tras el 25.º turno del jugador 2, un mensaje anuncia el ganador y la diferencia de puntos, o el empate, y empieza una partida nueva."
    "*Reglas* (*Правила игры*) muestra las reglas, *Reiniciar* (*Новая игра*) pone a cero las puntuaciones y *Salir* (*Выход*) pregunta si quieres terminar la partida.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Dados para dos jugadores: 25 turnos, gana la puntuación más alta")
set(keywords "dados;dos jugadores")
