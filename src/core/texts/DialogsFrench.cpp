// French dialog texts (layout of the block: see DialogsEnglish.cpp).
#include "texts/TextTable.h"

namespace zav {

extern const TextEntry kDialogsFrench[] = {
    {400, "OK"},
    {401, "Annuler"},
    {402, "Rechercher..."},
    {403, "Modifier..."},
    {404, "?"},

    {410, "Données générales de la feuille de match"},
    {411, "Titre"},
    {412, "Sous-titre"},
    {413, "Date"},
    {414, "Horaire"},
    {415, "Juge arbitre"},
    {416, "Nombre d'équipes"},
    {417, "Nombre de jeux"},
    {418, "Points de la première équipe"},
    {419, "Règle d'élimination"},
    {420, "Données facultatives pour la feuille 'Challenge'"},
    {421, "Titre du 'Challenge'"},
    {422, "Points de la première équipe 'Challenge'"},

    {430, "Noms et couleurs des équipes"},
    {431, "Noms"},
    {432, "Couleurs"},
    {433, "Challenge"},
    {434, "Équipe %d"},

    {440, "Liste des jeux"},
    {441, "Jeu %d"},

    {450, "Logo : la hauteur maximale du logo est de 100 pixels"},

    {460, "Choix des couleurs d'affichage"},
    {461, "Couleur du titre et du sous-titre"},
    {462, "Couleur de l'en-tête du tableau"},
    {463, "Couleur des lignes paires"},
    {464, "Couleur des lignes impaires"},
    {465, "Modèles prédéfinis"},
    {466, "Eau"},
    {467, "Sable"},
    {468, "Charbon"},
    {469, "Herbe"},
    {470, "Or"},
    {471, "Argent"},
    {472, "Bronze"},
    {473, "Noir et blanc"},
    {474, "Annuler"},

    {480, "Attention : le logiciel va être fermé puis rouvert pour changer de langue."},

    {490, "Exporter la feuille de match en PDF"},
    {491, "Exporter la liste des juges de ligne et de l'équipe de piste en PDF"},
    {492, "Exporter la liste du matériel en PDF"},
    {493, "Fichiers PDF (*.pdf)|*.pdf"},
    {494, "Le document %s est absent du dossier du programme."},
    {495, "Erreur lors de l'écriture du fichier PDF = %s"},

    {500, "Saisie du résultat d'un jeu"},
    {600, "Saisie du résultat du barrage"},
    {601, "Résultat des manches précédentes"},
    {602, "Saisie des données générales"},
    {603, "Saisie des équipes et des couleurs"},
    {604, "Saisie de la liste des jeux"},
    {605, "Choix du logo"},
    {606, "Choix des couleurs"},
    {607, "Langue du logiciel"},
    {608, "Saisie de la colonne supplémentaire"},
    {610, "Résultat 'Challenge' des manches précédentes"},
    {611, "Saisie des noms de l'équipe de piste"},
    {612, "Saisie des noms des juges de ligne"},
    {613, "Jeu de feuilles de match : options par défaut"},
    {614, "Jeu de feuilles de match : groupe de catégories"},
    {615, "Équipe à retirer de la feuille de match"},

    {900, "Titre commun"},
    {901, "Le nombre de jeux choisi sera mis par défaut sur chaque feuille de match."},
    {902, "Il sera ensuite possible de changer cette valeur feuille par feuille."},
    {903, "Règles françaises (points et règle d'élimination)"},
    {904, "Règles internationales (points et règle d'élimination)"},
    {905, "Une feuille de match sera éditée par catégorie (Open, Junior, Minime...) "},
    {906, "Les catégories seront regroupées sur différentes feuilles de match."},
    {907, "Feuille de match n°"},
    {908, "Choisissez la ou les équipes à inscrire sur la feuille de match dont le numéro est ci-dessus."},
    {909, "Pour choisir plusieurs équipes, appuyez sur CTRL en cliquant sur la ligne de chaque équipe."},
    {910, "Appuyez sur OK quand vous avez choisi TOUTES les équipes de la feuille de match."},
};
extern const std::size_t kDialogsFrenchCount = sizeof(kDialogsFrench) / sizeof(kDialogsFrench[0]);

}  // namespace zav
