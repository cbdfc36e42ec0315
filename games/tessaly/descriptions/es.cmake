# Tessaly in Spanish: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Apuesta a cara o cruz y pulsa uno de los seis botones de moneda")
set(whatis "apuesta a cara o cruz y pulsa uno de los seis botones de moneda")
set(caption "La apuesta, el lado elegido, los seis botones de moneda y el saldo")
set(about
    "Tessaly (su ventana se titula Cara o cruz, en ruso Бросание монеты) es un juego de apuestas. Dices cuánto apuestas y un lado de la moneda, y pulsas uno de los seis botones, cada uno de los cuales muestra siempre el mismo lado. Si aciertas, ganas el doble de la apuesta, y si fallas, la pierdes.")
set(rules
    "Escribe tu apuesta, un número, en el primer campo y tu elección en el segundo: cara o cruz (en ruso орел o решка), en minúsculas y tal cual. Después pulsa uno de los seis botones *?!*."
    "El lado que muestra el botón aparece debajo de los botones. Si coincide con tu elección, se suma a tu saldo el doble de la apuesta, y si no, se te descuenta la apuesta. El saldo aparece bajo *Saldo* (*Результат*). Si la apuesta no es un número, un mensaje lo avisa y sigue valiendo la última apuesta válida."
    "*Reglas* (*Правила игры*) muestra las reglas y pregunta si quieres seguir, y si respondes «No», el juego termina. *Salir* (*Выход*) dice cuánto has ganado y pregunta si quieres salir del juego.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Cara o cruz: apuesta a cara o cruz y pulsa uno de los seis botones")
set(keywords "moneda;cara;cruz")
