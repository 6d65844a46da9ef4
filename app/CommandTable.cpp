#include "app/CommandTable.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

const std::array kCommandTexts = {
    CommandText{ID_FILE_NEW, "&Nouveau", "Crée un nouveau document", "Nouveau", QKeySequence::New},
    CommandText{ID_FILE_OPEN, "&Ouvrir...", "Ouvre un document existant", "Ouvrir", QKeySequence::Open},
    CommandText{ID_FILE_SAVE, "&Enregistrer", "Enregistre le document actif", "Enregistrer", QKeySequence::Save},
    CommandText{ID_FILE_SAVE_AS, "En&registrer sous...", "Enregistre le document actif sous un nouveau nom",
                "Enregistrer sous"},
    CommandText{ID_FILE_EXPORT_MAP, "Exporter la &carte...", "Enregistre la carte affichée en image PNG, SVG ou PDF",
                "Exporter la carte"},
    CommandText{ID_FILE_EXPORT_PATH, "Exporter le &tracé...", "Enregistre le tracé de l'éclipse en cours en GeoJSON ou KML",
                "Exporter le tracé"},
    CommandText{ID_FILE_EXPORT_LOCAL, "Exporter les cir&constances...",
                "Enregistre les circonstances locales de l'éclipse en cours en CSV ou JSON", "Exporter les circonstances"},
    CommandText{ID_FILE_PRINT, "&Imprimer...", "Imprime le document actif", "Imprimer", QKeySequence::Print},
    CommandText{ID_FILE_PRINT_PREVIEW, "Aperçu a&vant impression", "Affiche des pages entières",
                "Aperçu avant impression"},
    CommandText{ID_FILE_PAGE_SETUP, "C&onfiguration de l'impression...",
                "Change les options d'imprimante et d'impression", "Configuration de l'impression"},
    CommandText{ID_FILE_MRU_FILE1, "Fichier récent", "Ouvre ce document", ""},
    CommandText{ID_APP_EXIT, "&Quitter", "Ferme l'application ; propose d'enregistrer les documents", "Quitter"},
    CommandText{ID_VUE_GLOBAL, "&Global", "Affiche une vue globale de la Terre", "Vue globale"},
    CommandText{ID_VUE_ZOOM_PLUS, "&Zoom +", "", ""},
    CommandText{ID_VUE_ZOOM_MOINS, "Zoo&m -", "", ""},
    CommandText{ID_VUE_TRANSLATION, "Translation", "", ""},
    CommandText{ID_VUE_TRACE, "&Trace !", "Trace la vue", "Trace"},
    CommandText{ID_VUE_POSITION, "&Position", "Place l'observateur d'un clic sur la carte", "Placer l'observateur"},
    CommandText{ID_EDIT_COPY, "&Copier la carte", "Copie l'image de la carte dans le presse-papiers", "Copier la carte",
                QKeySequence::Copy},
    CommandText{ID_PARAMETRES_EPOQUE, "&Epoque...", "Choix des coordonnées temporelles", "Epoque"},
    CommandText{ID_PARAMETRES_POSITION, "&Position...", "Coordonnées de l'observateur", "Position"},
    CommandText{ID_PARAMETRES_AFFICHAGES, "&Affichages...", "Choix des affichages complémentaires", "Affichages"},
    CommandText{ID_PARAMETRES_CARTE, "Carte...", "", ""},
    CommandText{ID_OUTILS_SEPARATION, "&Séparation", "Séparation entre 2 points", "Séparation"},
    CommandText{ID_OUTILS_EPHEMERIDES, "&Ephémérides", "Ephémérides de la Terre, de la Lune et du Soleil",
                "Ephémérides"},
    CommandText{ID_OUTILS_BESSEL, "Eléments de Bessel", "Eléments de Bessel", "Eléments de Bessel"},
    CommandText{ID_OUTILS_RECHERCHE, "&Rechercher les éclipses...", "Liste les éclipses de Soleil d'une période",
                "Rechercher les éclipses"},
    CommandText{ID_TRANSFORM_NUTATION, "Nutation", "", ""},
    CommandText{ID_TRANSFORM_ELP, "ELP 2000", "", ""},
    CommandText{ID_TRANSFORM_VSOP, "VSOP 87", "", ""},
    CommandText{ID_TRANSFORM_CARTO_CRUDE, "Carto Crude", "", ""},
    CommandText{ID_TRANSFORM_CARTO_LOW, "Carto Low", "", ""},
    CommandText{ID_TRANSFORM_CARTO_INTERMEDIATE, "Carto Intermediate", "", ""},
    CommandText{ID_TRANSFORM_CARTO_HIGH, "Carto High", "", ""},
    CommandText{ID_TRANSFORM_CARTO_FULL, "Carto Full", "", ""},
    CommandText{ID_TRANSFORM_FRONTIERES, "Frontières", "", ""},
    CommandText{ID_TRANSFORM_FLEUVES, "Fleuves", "", ""},
    CommandText{ID_VIEW_TOOLBAR, "&Barre d'outils", "Affiche ou masque la barre d'outils", "Barre d'outils"},
    CommandText{ID_VIEW_STATUS_BAR, "Barre d'é&tat", "Affiche ou masque la barre d'état", "Barre d'état"},
    CommandText{ID_HELP_INDEX, "&Rubriques de l'aide", "Liste les rubriques de l'aide", "Rubriques de l'aide"},
    CommandText{ID_APP_ABOUT, "&A propos de Umbrant...",
                "Affiche des informations sur le programme, le numéro de version et le copyright", "A propos de"},
};

} // namespace

std::span<const CommandText> CommandTexts()
{
    return kCommandTexts;
}

const CommandText& FindCommandText(CommandId id)
{
    const auto found = std::find_if(kCommandTexts.begin(), kCommandTexts.end(),
                                    [id](const CommandText& text) { return text.id == id; });
    if (found == kCommandTexts.end()) {
        throw std::logic_error("command without texts: " + std::to_string(id));
    }
    return *found;
}
