# Quillsey in French: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Trois champs de nombres et une mise : deviendrez-vous millionnaire ?")
set(whatis "Trois champs de nombres et une mise : deviendrez-vous millionnaire ?")
set(caption "L’escargot, trois champs lancés, la mise, les points et l’argent")
set(about
    "Quillsey est un jeu de hasard avec mise. Trois champs tirent chacun un nombre au hasard, leur somme multipliée par votre mise donne vos points, les points se convertissent en argent, et le jeu vous dit si vous êtes devenu millionnaire.")
set(rules
    "Tapez votre mise dans le champ sous *Mise* (*Ставка*), de 200 à 250 roubles comme le conseillent les règles. Appuyez ensuite sur *Lancer 1*, *Lancer 2* et *Lancer 3* (*Пуск1*, *Пуск2*, *Пуск3*). Chacun lance son champ, qui affiche alors un nombre de 0 à 999."
    "*Somme* (*Сумма*) multiplie la mise par la somme des trois champs et affiche vos points (*Points*, *Очки*). *Compter* (*Счет*) convertit les points en argent, à 3 roubles le point (*Vos gains*, *Ваши деньги*). *Résultat final* (*Общий результат*) vous dit si votre argent dépasse un million."
    "*Règles* (*Правила игры*) affiche les règles et *Quitter* (*Exit*) ferme le jeu. Une mise qui n’est pas un nombre est signalée dans une fenêtre et ne change rien.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Trois champs de nombres, une mise et des points : deviendrez-vous millionnaire ?")
set(keywords "nombres;mise;million")
