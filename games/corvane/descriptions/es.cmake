# Corvane in Spanish: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Apuesta de 1 a 10 monedas a una moneda que también puede caer de canto")
set(whatis "apuesta de 1 a 10 monedas a una moneda que también puede caer de canto")
set(caption "Apuestas de 1 a 10 monedas, cara o cruz, el saldo y el lanzamiento")
set(about
    "Corvane es un juego de cara o cruz. Empiezas con 15 monedas, apuestas de 1 a 10 a cara o cruz y lanzas: si llegas a 100 monedas, ganas, y si las pierdes todas, pierdes la partida.")
set(rules
    "Elige tu apuesta en *¿Qué apuestas?* (*Сколько ставим?*) y tu lado en *¿Qué saldrá?* (*Что выпадет?*), *Cara* o *Cruz* (*Орёл*, *Решка*). Después pulsa *Lanzar moneda* (*Бросить монету*)."
    "Sale cara cinco veces de cada diez y cruz cuatro. Una vez de cada diez la moneda cae de canto (*¡Canto!*, *Ребро!*), y eso cuenta como el lado que has elegido. Si aciertas, ganas lo apostado, y si fallas, lo pierdes. Cada moneda vale 1000 $, y el saldo (*Saldo*, *Счет*) muestra tus monedas y lo que valen."
    "La partida termina cuando te quedas sin monedas o llegas a 100, y empieza una nueva con 15 monedas. Para salir, cierra la ventana.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Apuesta de 1 a 10 monedas a cara o cruz: la moneda puede caer de canto")
set(keywords "moneda;cara;cruz;apuesta")
