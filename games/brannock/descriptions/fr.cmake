# Brannock in French: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Inscrivez-vous, puis lancez les dés contre l’ordinateur : le premier au million gagne")
set(whatis "Inscrivez-vous, puis lancez les dés contre l’ordinateur : le premier au million gagne")
set(caption "Les dés et l’argent du joueur inscrit et de l’ordinateur")
set(about
    "Brannock est un jeu de dés contre l’ordinateur. Une fois inscrit, vous et l’ordinateur lancez chacun deux dés à chaque tour, chaque point vaut 3000, et le premier à dépasser le million gagne.")
set(rules
    "Appuyez sur *Inscription* (*Регистрация*) et entrez votre nom. Le jeu ne lance aucun dé avant votre inscription. *Présentation* (*Ознакомление*) vous accueille et vous demande si vous êtes prêt à jouer, et répondre « Non » ferme le jeu."
    "*Go* lance deux dés pour vous (la rangée du haut) et deux pour l’ordinateur (la rangée du bas), chacun de 1 à 5. Chaque point ajoute 3000 à l’argent de son camp. Le numéro du tour (*Tour*, *Ход №*) s’affiche au milieu."
    "Dépassez le million le premier et vous gagnez. Si l’ordinateur y parvient avant vous, ou si une cinquantaine de tours passent sans millionnaire, la partie est finie. Une nouvelle partie commence alors, avec la même inscription. Fermez la fenêtre pour quitter.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Lancez les dés contre l’ordinateur : le premier au million gagne")
set(keywords "dés;million")
