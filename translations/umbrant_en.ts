<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AngleFields</name>
    <message>
        <source>Degrés illisibles « %1 » : tapez des degrés décimaux (3.70, -3.70, 3.70 O) ou des degrés entiers avec leurs minutes et secondes.</source>
        <translation>Unreadable degrees “%1”: type decimal degrees (3.70, -3.70, 3.70 W) or whole degrees with their minutes and seconds.</translation>
    </message>
    <message>
        <source>Une longitude se dit E (est), O ou W (ouest).</source>
        <translation>A longitude is E (east) or W (west).</translation>
    </message>
    <message>
        <source>Une latitude se dit N (nord) ou S (sud).</source>
        <translation>A latitude is N (north) or S (south).</translation>
    </message>
    <message>
        <source>Le signe moins et la lettre d&apos;hémisphère se contredisent dans « %1 ».</source>
        <translation>The minus sign and the hemisphere letter contradict each other in “%1”.</translation>
    </message>
    <message>
        <source>Les minutes sont un nombre entier de 0 à 59.</source>
        <translation>The minutes are a whole number from 0 to 59.</translation>
    </message>
    <message>
        <source>Les secondes sont un nombre de 0 à moins de 60.</source>
        <translation>The seconds are a number from 0 to less than 60.</translation>
    </message>
    <message>
        <source>Des degrés décimaux ne prennent ni minutes ni secondes.</source>
        <translation>Decimal degrees take neither minutes nor seconds.</translation>
    </message>
    <message>
        <source>Une longitude va de 0 à 180° est ou ouest (%1° lus).</source>
        <translation>A longitude goes from 0 to 180° east or west (%1° read).</translation>
    </message>
    <message>
        <source>Une latitude va de 0 à 90° nord ou sud (%1° lus).</source>
        <translation>A latitude goes from 0 to 90° north or south (%1° read).</translation>
    </message>
    <message>
        <source>Degrés entiers, ou décimaux avec leur signe ou leur hémisphère : 3.70 O, -3.70</source>
        <translation>Whole degrees, or decimal degrees with their sign or hemisphere: 3.70 W, -3.70</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>A propos de Umbrant</source>
        <translation>About Umbrant</translation>
    </message>
    <message>
        <source>Cartes des éclipses de Soleil : VSOP87, ELP 2000-82B, GSHHS</source>
        <translation>Maps of solar eclipses: VSOP87, ELP 2000-82B, GSHHS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Villes : GeoNames (geonames.org), sous licence CC-BY-4.0</source>
        <translation>Towns: GeoNames (geonames.org), licensed under CC-BY-4.0</translation>
    </message>
    <message>
        <source>Logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later), sans aucune garantie</source>
        <translation>Free software under the GNU GPL version 3 or later (GPL-3.0-or-later), without any warranty</translation>
    </message>
</context>
<context>
    <name>CAnimationExportDialog</name>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation>Export the animation</translation>
    </message>
    <message>
        <source>Début (TU) :</source>
        <translation>Start (UT):</translation>
    </message>
    <message>
        <source>Fin (TU) :</source>
        <translation>End (UT):</translation>
    </message>
    <message>
        <source>Pas entre deux images (secondes) :</source>
        <translation>Step between two pictures (seconds):</translation>
    </message>
    <message>
        <source>Largeur (pixels) :</source>
        <translation>Width (pixels):</translation>
    </message>
    <message>
        <source>Hauteur (pixels) :</source>
        <translation>Height (pixels):</translation>
    </message>
    <message>
        <source>Images par seconde :</source>
        <translation>Pictures per second:</translation>
    </message>
    <message>
        <source>Format :</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Vidéo MP4 (H.264)</source>
        <translation>MP4 video (H.264)</translation>
    </message>
    <message>
        <source>Vidéo WebM (VP9)</source>
        <translation>WebM video (VP9)</translation>
    </message>
    <message>
        <source>Image GIF animée</source>
        <translation>Animated GIF image</translation>
    </message>
</context>
<context>
    <name>CEpochDialog</name>
    <message>
        <source>Choix du temps</source>
        <translation>Choice of time</translation>
    </message>
    <message>
        <source>Horaire (TEMPS UNIVERSEL)</source>
        <translation>Time (UNIVERSAL TIME)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Seconde</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Décalages</source>
        <translation>Offsets</translation>
    </message>
    <message>
        <source>Delta T (TT-TU) automatique</source>
        <translation>Automatic Delta T (TT-UT)</translation>
    </message>
    <message>
        <source>Delta T</source>
        <translation>Delta T</translation>
    </message>
    <message>
        <source>seconde(s)</source>
        <translation>second(s)</translation>
    </message>
    <message>
        <source>Décalage horaire</source>
        <translation>Time zone offset</translation>
    </message>
    <message>
        <source>heure(s)</source>
        <translation>hour(s)</translation>
    </message>
    <message>
        <source>Maintenant</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>Noon</translation>
    </message>
    <message>
        <source>Minuit</source>
        <translation>Midnight</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 : un nombre entier de %2 à %3.</source>
        <translation>%1: a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>Le %1/%2/%3 n&apos;existe pas.</source>
        <translation>%1/%2/%3 does not exist.</translation>
    </message>
    <message>
        <source>Seconde : un nombre de 0 à moins de 60.</source>
        <translation>Second: a number from 0 to less than 60.</translation>
    </message>
    <message>
        <source>Delta T : un nombre de secondes de %1 à %2.</source>
        <translation>Delta T: a number of seconds from %1 to %2.</translation>
    </message>
    <message>
        <source>Décalage horaire : un nombre d&apos;heures de %1 à %2.</source>
        <translation>Time zone offset: a number of hours from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>CKeyboardIndicators</name>
    <message>
        <source>MAJ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Vue</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le document.
</source>
        <translation>Cannot open the document.
</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le document.
</source>
        <translation>Cannot save the document.
</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Langue / Language</source>
        <translation>Langue / Language</translation>
    </message>
    <message>
        <source>Choisit la langue de l&apos;interface, au prochain démarrage</source>
        <translation>Chooses the language of the interface, from the next start</translation>
    </message>
    <message>
        <source>La langue choisie sera celle de l&apos;interface au prochain démarrage du programme.</source>
        <translation>The chosen language will be used from the next start of the program.</translation>
    </message>
    <message>
        <source>Exporter la carte</source>
        <translation>Export the map</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Largeur de la carte (pixels) :</source>
        <translation>Width of the map (pixels):</translation>
    </message>
    <message>
        <source>Exporter le tracé</source>
        <translation>Export the path</translation>
    </message>
    <message>
        <source>GeoJSON (*.geojson);;KML (*.kml)</source>
        <translation>GeoJSON (*.geojson);;KML (*.kml)</translation>
    </message>
    <message>
        <source>Exporter les circonstances</source>
        <translation>Export the circumstances</translation>
    </message>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation>Export the animation</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV table (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Aucune éclipse en cours : choisissez une époque pendant une éclipse, ou une éclipse dans la liste.</source>
        <translation>No current eclipse: choose an epoch during an eclipse, or an eclipse in the list.</translation>
    </message>
    <message>
        <source>La carte n&apos;est pas encore tracée.</source>
        <translation>The map is not drawn yet.</translation>
    </message>
    <message>
        <source>Fichier « %1 » écrit</source>
        <translation>File “%1” written</translation>
    </message>
    <message>
        <source>Reconstruire les données</source>
        <translation>Rebuild the data files</translation>
    </message>
    <message>
        <source>Reconstruire « %1 » dans %2 à partir des publications qui s&apos;y trouvent ?
Le fichier actuel sera remplacé. Ces fichiers se construisent d&apos;ordinaire à l&apos;installation.</source>
        <translation>Rebuild “%1” in %2 from the publications found there?
The current file will be replaced. These files are usually built at installation.</translation>
    </message>
    <message>
        <source>Eclipse du %1</source>
        <translation>Eclipse of %1</translation>
    </message>
    <message>
        <source>Carte du %1</source>
        <translation>Map of %1</translation>
    </message>
    <message>
        <source>Circonstances du %1</source>
        <translation>Circumstances of %1</translation>
    </message>
    <message>
        <source>Vidéo MP4 (*.mp4)</source>
        <translation>MP4 video (*.mp4)</translation>
    </message>
    <message>
        <source>Vidéo WebM (*.webm)</source>
        <translation>WebM video (*.webm)</translation>
    </message>
    <message>
        <source>Image GIF animée (*.gif)</source>
        <translation>Animated GIF image (*.gif)</translation>
    </message>
    <message>
        <source>Exportation de l&apos;animation...</source>
        <translation>Exporting the animation...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>La fin de l&apos;animation précède son début.</source>
        <translation>The animation&apos;s end comes before its start.</translation>
    </message>
    <message>
        <source>L&apos;animation aurait plus de 100 000 images : choisissez un pas plus long.</source>
        <translation>The animation would have more than 100,000 pictures: choose a longer step.</translation>
    </message>
    <message>
        <source>La vidéo MP4 demande une largeur et une hauteur paires.</source>
        <translation>An MP4 video needs an even width and height.</translation>
    </message>
</context>
<context>
    <name>CMapCentreDialog</name>
    <message>
        <source>Centre de la carte</source>
        <translation>Centre of the map</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Ouest</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Sud</source>
        <translation>South</translation>
    </message>
</context>
<context>
    <name>CPositionDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Ouest</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Sud</source>
        <translation>South</translation>
    </message>
    <message>
        <source>L&apos;altitude est un nombre de mètres de %1 à %2.</source>
        <translation>The height is a number of metres from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>CUmbrantDoc</name>
    <message>
        <source>Sans titre</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 : le document à imprimer manque</source>
        <translation>%1: the document to print is missing</translation>
    </message>
    <message>
        <source>%1 : le document ou l&apos;imprimante manque</source>
        <translation>%1: the document or the printer is missing</translation>
    </message>
    <message>
        <source>%1 : la langue manque (fr ou en)</source>
        <translation>%1: the language is missing (fr or en)</translation>
    </message>
    <message>
        <source>%1 : langue inconnue « %2 » (fr ou en)</source>
        <translation>%1: unknown language &quot;%2&quot; (fr or en)</translation>
    </message>
</context>
<context>
    <name>CommandLinePrinting</name>
    <message>
        <source>impossible de créer un fichier temporaire pour « %1 ».</source>
        <translation>cannot create a temporary file for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>l&apos;imprimante « %1 » n&apos;existe pas.</source>
        <translation>the printer &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>aucune imprimante par défaut n&apos;est installée.</source>
        <translation>no default printer is installed.</translation>
    </message>
    <message>
        <source>l&apos;imprimante par défaut</source>
        <translation>the default printer</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le document.
</source>
        <translation>cannot open the document.
</translation>
    </message>
    <message>
        <source>impossible de lancer l&apos;impression sur « %1 ».</source>
        <translation>cannot start printing on &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>l&apos;impression a échoué.
</source>
        <translation>printing failed.
</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Crée un nouveau document</source>
        <translation>Creates a new document</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Ouvre un document existant</source>
        <translation>Opens an existing document</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistre le document actif</source>
        <translation>Saves the active document</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>En&amp;registrer sous...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Enregistre le document actif sous un nouveau nom</source>
        <translation>Saves the active document under a new name</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>&amp;Imprimer...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Imprime le document actif</source>
        <translation>Prints the active document</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Aperçu a&amp;vant impression</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Affiche des pages entières</source>
        <translation>Shows whole pages</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>C&amp;onfiguration de l&apos;impression...</source>
        <translation>Page Set&amp;up...</translation>
    </message>
    <message>
        <source>Change les options d&apos;imprimante et d&apos;impression</source>
        <translation>Changes the printer and printing options</translation>
    </message>
    <message>
        <source>Configuration de l&apos;impression</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <source>Fichier récent</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>Ouvre ce document</source>
        <translation>Opens this document</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ferme l&apos;application ; propose d&apos;enregistrer les documents</source>
        <translation>Closes the application; offers to save the documents</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Global</source>
        <translation>&amp;Global</translation>
    </message>
    <message>
        <source>Affiche une vue globale de la Terre</source>
        <translation>Shows a global view of the Earth</translation>
    </message>
    <message>
        <source>Vue globale</source>
        <translation>Global view</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <translation>&amp;Zoom +</translation>
    </message>
    <message>
        <source>Zoo&amp;m -</source>
        <translation>Zoo&amp;m -</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>&amp;Trace !</source>
        <translation>&amp;Draw!</translation>
    </message>
    <message>
        <source>Trace la vue</source>
        <translation>Draws the view</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>Place l&apos;observateur d&apos;un clic sur la carte</source>
        <translation>Places the observer with a click on the map</translation>
    </message>
    <message>
        <source>Placer l&apos;observateur</source>
        <translation>Place the observer</translation>
    </message>
    <message>
        <source>&amp;Copier la carte</source>
        <translation>&amp;Copy the Map</translation>
    </message>
    <message>
        <source>Copie l&apos;image de la carte dans le presse-papiers</source>
        <translation>Copies the map&apos;s picture to the clipboard</translation>
    </message>
    <message>
        <source>Copier la carte</source>
        <translation>Copy the map</translation>
    </message>
    <message>
        <source>&amp;Epoque...</source>
        <translation>&amp;Epoch...</translation>
    </message>
    <message>
        <source>Choix des coordonnées temporelles</source>
        <translation>Choice of the time coordinates</translation>
    </message>
    <message>
        <source>Epoque</source>
        <translation>Epoch</translation>
    </message>
    <message>
        <source>&amp;Position...</source>
        <translation>&amp;Position...</translation>
    </message>
    <message>
        <source>Coordonnées de l&apos;observateur</source>
        <translation>Coordinates of the observer</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>&amp;Affichages...</source>
        <translation>&amp;Displays...</translation>
    </message>
    <message>
        <source>Choix des affichages complémentaires</source>
        <translation>Choice of the additional displays</translation>
    </message>
    <message>
        <source>Affichages</source>
        <translation>Displays</translation>
    </message>
    <message>
        <source>Carte...</source>
        <translation>Map...</translation>
    </message>
    <message>
        <source>&amp;Séparation</source>
        <translation>&amp;Separation</translation>
    </message>
    <message>
        <source>Séparation entre 2 points</source>
        <translation>Separation between 2 points</translation>
    </message>
    <message>
        <source>Séparation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>&amp;Ephémérides</source>
        <translation>&amp;Ephemerides</translation>
    </message>
    <message>
        <source>Ephémérides de la Terre, de la Lune et du Soleil</source>
        <translation>Ephemerides of the Earth, the Moon and the Sun</translation>
    </message>
    <message>
        <source>Ephémérides</source>
        <translation>Ephemerides</translation>
    </message>
    <message>
        <source>Eléments de Bessel</source>
        <translation>Besselian Elements</translation>
    </message>
    <message>
        <source>&amp;Rechercher les éclipses...</source>
        <translation>&amp;Find Eclipses...</translation>
    </message>
    <message>
        <source>Liste les éclipses de Soleil d&apos;une période</source>
        <translation>Lists the solar eclipses of a period</translation>
    </message>
    <message>
        <source>Rechercher les éclipses</source>
        <translation>Find eclipses</translation>
    </message>
    <message>
        <source>Nutation</source>
        <translation>Nutation</translation>
    </message>
    <message>
        <source>ELP 2000</source>
        <translation>ELP 2000</translation>
    </message>
    <message>
        <source>VSOP 87</source>
        <translation>VSOP 87</translation>
    </message>
    <message>
        <source>Frontières</source>
        <translation>Borders</translation>
    </message>
    <message>
        <source>Fleuves</source>
        <translation>Rivers</translation>
    </message>
    <message>
        <source>&amp;Barre d&apos;outils</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;outils</source>
        <translation>Shows or hides the toolbar</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Barre d&apos;é&amp;tat</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;état</source>
        <translation>Shows or hides the status bar</translation>
    </message>
    <message>
        <source>Barre d&apos;état</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>&amp;Rubriques de l&apos;aide</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <source>Liste les rubriques de l&apos;aide</source>
        <translation>Lists the help topics</translation>
    </message>
    <message>
        <source>Rubriques de l&apos;aide</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>&amp;A propos de Umbrant...</source>
        <translation>&amp;About Umbrant...</translation>
    </message>
    <message>
        <source>Affiche des informations sur le programme, le numéro de version et le copyright</source>
        <translation>Shows information about the program, its version number and copyright</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exporter la &amp;carte...</source>
        <translation>Export the &amp;map...</translation>
    </message>
    <message>
        <source>Enregistre la carte affichée en image PNG, SVG ou PDF</source>
        <translation>Saves the map shown as a PNG image, an SVG drawing or a PDF document</translation>
    </message>
    <message>
        <source>Exporter la carte</source>
        <translation>Export the map</translation>
    </message>
    <message>
        <source>Exporter le &amp;tracé...</source>
        <translation>Export the &amp;path...</translation>
    </message>
    <message>
        <source>Enregistre le tracé de l&apos;éclipse en cours en GeoJSON ou KML</source>
        <translation>Saves the path of the current eclipse as GeoJSON or KML</translation>
    </message>
    <message>
        <source>Exporter le tracé</source>
        <translation>Export the path</translation>
    </message>
    <message>
        <source>Exporter les cir&amp;constances...</source>
        <translation>Export the cir&amp;cumstances...</translation>
    </message>
    <message>
        <source>Enregistre les circonstances locales de l&apos;éclipse en cours en CSV ou JSON</source>
        <translation>Saves the observer&apos;s circumstances of the current eclipse as CSV or JSON</translation>
    </message>
    <message>
        <source>Exporter les circonstances</source>
        <translation>Export the circumstances</translation>
    </message>
    <message>
        <source>Côtes, résolution grossière</source>
        <translation>Shorelines, crude resolution</translation>
    </message>
    <message>
        <source>Côtes, basse résolution</source>
        <translation>Shorelines, low resolution</translation>
    </message>
    <message>
        <source>Côtes, résolution intermédiaire</source>
        <translation>Shorelines, intermediate resolution</translation>
    </message>
    <message>
        <source>Côtes, haute résolution</source>
        <translation>Shorelines, high resolution</translation>
    </message>
    <message>
        <source>Côtes, pleine résolution</source>
        <translation>Shorelines, full resolution</translation>
    </message>
    <message>
        <source>Exporter l&apos;&amp;animation...</source>
        <translation>Export the &amp;animation...</translation>
    </message>
    <message>
        <source>Enregistre l&apos;ombre en mouvement en vidéo MP4 ou WebM, ou en image GIF animée</source>
        <translation>Saves the shadow in motion as an MP4 or WebM video, or as an animated GIF image</translation>
    </message>
    <message>
        <source>Exporter l&apos;animation</source>
        <translation>Export the animation</translation>
    </message>
</context>
<context>
    <name>MapLegendText</name>
    <message>
        <source>Bande de totalité</source>
        <translation>Path of totality</translation>
    </message>
    <message>
        <source>Bande d&apos;annularité</source>
        <translation>Path of annularity</translation>
    </message>
    <message>
        <source>Bande de centralité</source>
        <translation>Central path</translation>
    </message>
    <message>
        <source>Eclipse %1 de Soleil du %2</source>
        <translation>Solar eclipse of %2, %1</translation>
    </message>
    <message>
        <source>Ombre de la Lune</source>
        <translation>The Moon&apos;s shadow</translation>
    </message>
    <message>
        <source>Ombre le %1 TU</source>
        <translation>Shadow at %1 UT</translation>
    </message>
    <message>
        <source>, %1 en heure locale (%2)</source>
        <translation>, %1 local time (%2)</translation>
    </message>
    <message>
        <source>moderne</source>
        <translation>modern</translation>
    </message>
    <message>
        <source>classique</source>
        <translation>classic</translation>
    </message>
    <message>
        <source>Modèle %1, Delta T donné %2 s</source>
        <translation>%1 model, given Delta T %2 s</translation>
    </message>
    <message>
        <source>Modèle %1, Delta T %2 s</source>
        <translation>%1 model, Delta T %2 s</translation>
    </message>
    <message>
        <source>Ligne centrale, heures en %1</source>
        <translation>Central line, times in %1</translation>
    </message>
    <message>
        <source>Maximum de l&apos;éclipse</source>
        <translation>Greatest eclipse</translation>
    </message>
    <message>
        <source>Limites de l&apos;éclipse partielle</source>
        <translation>Limits of the partial eclipse</translation>
    </message>
    <message>
        <source>Début ou fin au lever ou au coucher du Soleil</source>
        <translation>Beginning or end at sunrise or sunset</translation>
    </message>
    <message>
        <source>Maximum au lever ou au coucher du Soleil</source>
        <translation>Maximum at sunrise or sunset</translation>
    </message>
    <message>
        <source>Courbes d&apos;égale grandeur</source>
        <translation>Curves of equal magnitude</translation>
    </message>
    <message>
        <source>Ombre et pénombre à l&apos;instant</source>
        <translation>Umbra and penumbra at the instant</translation>
    </message>
    <message>
        <source>Observateur</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Terminateur jour/nuit</source>
        <translation>Day/night terminator</translation>
    </message>
</context>
<context>
    <name>TimeFormatting</name>
    <message>
        <source>TU</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>TU%1%2</source>
        <translation>UT%1%2</translation>
    </message>
    <message>
        <source> S</source>
        <translation> S</translation>
    </message>
    <message>
        <source> N</source>
        <translation> N</translation>
    </message>
    <message>
        <source> O</source>
        <translation> W</translation>
    </message>
    <message>
        <source> E</source>
        <translation> E</translation>
    </message>
</context>
<context>
    <name>UiText</name>
    <message>
        <source>Incertitude de ΔT : bande hachurée où la phase centrale peut tomber (2 σ)</source>
        <translation>ΔT uncertainty: hatched band where the central phase may fall (2 σ)</translation>
    </message>
    <message>
        <source>Totale avec une probabilité de %1 %</source>
        <translation>Total with a probability of %1 %</translation>
    </message>
    <message>
        <source>Annulaire avec une probabilité de %1 %</source>
        <translation>Annular with a probability of %1 %</translation>
    </message>
    <message>
        <source>si ΔT est compris entre %1 et %2 s (ΔT = %3 ± %4 s)</source>
        <translation>if ΔT lies between %1 and %2 s (ΔT = %3 ± %4 s)</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>-10 min</source>
        <translation>-10 min</translation>
    </message>
    <message>
        <source>-1 min</source>
        <translation>-1 min</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>+10 min</source>
        <translation>+10 min</translation>
    </message>
    <message>
        <source>Recule l&apos;époque de 10 minutes</source>
        <translation>Moves the epoch 10 minutes back</translation>
    </message>
    <message>
        <source>Recule l&apos;époque d&apos;une minute</source>
        <translation>Moves the epoch one minute back</translation>
    </message>
    <message>
        <source>Avance l&apos;époque d&apos;une minute</source>
        <translation>Moves the epoch one minute forward</translation>
    </message>
    <message>
        <source>Avance l&apos;époque de 10 minutes</source>
        <translation>Moves the epoch 10 minutes forward</translation>
    </message>
    <message>
        <source>Epoque dans l&apos;éclipse courante, du premier au dernier contact de la pénombre</source>
        <translation>Epoch within the current eclipse, from the first to the last contact of the penumbra</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Anime l&apos;ombre à la vitesse choisie jusqu&apos;à la fin de l&apos;éclipse</source>
        <translation>Animates the shadow at the chosen speed until the end of the eclipse</translation>
    </message>
    <message>
        <source>%1 min/s</source>
        <translation>%1 min/s</translation>
    </message>
    <message>
        <source>TU %1</source>
        <translation>UT %1</translation>
    </message>
    <message>
        <source>Heure locale %1 (%2)</source>
        <translation>Local time %1 (%2)</translation>
    </message>
    <message>
        <source>Calcul de l&apos;éclipse...</source>
        <translation>Computing the eclipse...</translation>
    </message>
    <message>
        <source>Rechercher les éclipses</source>
        <translation>Find eclipses</translation>
    </message>
    <message>
        <source>Années de</source>
        <translation>Years from</translation>
    </message>
    <message>
        <source>à</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Recherche en cours...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>%1 éclipse(s) de %2 à %3</source>
        <translation>%1 eclipse(s) from %2 to %3</translation>
    </message>
    <message>
        <source>La recherche couvre les années -1999 à 3000.</source>
        <translation>The search covers the years -1999 to 3000.</translation>
    </message>
    <message>
        <source>Date (TU)</source>
        <translation>Date (UT)</translation>
    </message>
    <message>
        <source>Maximum (TU)</source>
        <translation>Maximum (UT)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>partielle</source>
        <translation>partial</translation>
    </message>
    <message>
        <source>annulaire</source>
        <translation>annular</translation>
    </message>
    <message>
        <source>totale</source>
        <translation>total</translation>
    </message>
    <message>
        <source>hybride</source>
        <translation>hybrid</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Affichages complémentaires</source>
        <translation>Additional displays</translation>
    </message>
    <message>
        <source>Couches de la carte</source>
        <translation>Map layers</translation>
    </message>
    <message>
        <source>Bande de centralité, ligne centrale et maximum</source>
        <translation>Path of centrality, central line and maximum</translation>
    </message>
    <message>
        <source>Limites de la pénombre, courbes de lever et de coucher</source>
        <translation>Limits of the penumbra, sunrise and sunset curves</translation>
    </message>
    <message>
        <source>Courbes d&apos;égale magnitude</source>
        <translation>Curves of equal magnitude</translation>
    </message>
    <message>
        <source>Méridiens et parallèles</source>
        <translation>Meridians and parallels</translation>
    </message>
    <message>
        <source>Terminateur jour/nuit</source>
        <translation>Day/night terminator</translation>
    </message>
    <message>
        <source>Observateur</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Modèle de calcul</source>
        <translation>Computation model</translation>
    </message>
    <message>
        <source>Classique (formules d&apos;origine)</source>
        <translation>Classic (original formulas)</translation>
    </message>
    <message>
        <source>Moderne (Delta T observé, Lune corrigée, temps sidéral apparent)</source>
        <translation>Modern (observed Delta T, corrected Moon, apparent sidereal time)</translation>
    </message>
    <message>
        <source>Ephémérides</source>
        <translation>Ephemerides</translation>
    </message>
    <message>
        <source>Soleil et Lune géocentriques apparents (équateur et équinoxe vrais de la date, temps de lumière) ; Terre héliocentrique géométrique (écliptique et équinoxe de la date). Pas de 10 minutes de P1 à P4.</source>
        <translation>Apparent geocentric Sun and Moon (true equator and equinox of date, light time); geometric heliocentric Earth (ecliptic and equinox of date). Steps of 10 minutes from P1 to P4.</translation>
    </message>
    <message>
        <source>Instant (TU)</source>
        <translation>Instant (UT)</translation>
    </message>
    <message>
        <source>Soleil AD</source>
        <translation>Sun RA</translation>
    </message>
    <message>
        <source>Soleil Déc</source>
        <translation>Sun Dec</translation>
    </message>
    <message>
        <source>Soleil dist. (ua)</source>
        <translation>Sun dist. (au)</translation>
    </message>
    <message>
        <source>Soleil demi-diam.</source>
        <translation>Sun semi-diam.</translation>
    </message>
    <message>
        <source>Lune AD</source>
        <translation>Moon RA</translation>
    </message>
    <message>
        <source>Lune Déc</source>
        <translation>Moon Dec</translation>
    </message>
    <message>
        <source>Lune dist. (km)</source>
        <translation>Moon dist. (km)</translation>
    </message>
    <message>
        <source>Lune demi-diam.</source>
        <translation>Moon semi-diam.</translation>
    </message>
    <message>
        <source>Terre L</source>
        <translation>Earth L</translation>
    </message>
    <message>
        <source>Terre B</source>
        <translation>Earth B</translation>
    </message>
    <message>
        <source>Terre R (ua)</source>
        <translation>Earth R (au)</translation>
    </message>
    <message>
        <source> (époque)</source>
        <translation> (epoch)</translation>
    </message>
    <message>
        <source>Calcul des éphémérides...</source>
        <translation>Computing the ephemerides...</translation>
    </message>
    <message>
        <source>Eléments de Bessel</source>
        <translation>Besselian elements</translation>
    </message>
    <message>
        <source>Eléments de Bessel de l&apos;éclipse du %1, maximum à %2 TU (%3 TT)</source>
        <translation>Besselian elements of the eclipse of %1, maximum at %2 UT (%3 TT)</translation>
    </message>
    <message>
        <source>T0 = %1 TT      Delta T = %2 s</source>
        <translation>T0 = %1 TT      Delta T = %2 s</translation>
    </message>
    <message>
        <source>Pour t heures de TT depuis T0 : a = a0 + a1 t + a2 t^2 + a3 t^3 pour a = x, y, d, l1, l2 et mu ;
x, y, l1 et l2 en rayons équatoriaux terrestres, d et mu en degrés ; mu est l&apos;angle horaire
des éphémérides (l&apos;angle horaire de Greenwich plus 1,002738 Delta T, en temps).</source>
        <translation>For t hours of TT since T0: a = a0 + a1 t + a2 t^2 + a3 t^3 for a = x, y, d, l1, l2 and mu;
x, y, l1 and l2 in Earth equatorial radii, d and mu in degrees; mu is the ephemeris
hour angle (the Greenwich hour angle plus 1.002738 Delta T, in time).</translation>
    </message>
    <message>
        <source>Valables de %1 à %2 TT (t = %3 à %4).</source>
        <translation>Valid from %1 to %2 TT (t = %3 to %4).</translation>
    </message>
    <message>
        <source>Aucune éclipse à moins de quinze jours de l&apos;époque.
Changez l&apos;époque, ou choisissez une éclipse avec &quot;Rechercher les éclipses...&quot;.</source>
        <translation>No eclipse within fifteen days of the epoch.
Change the epoch, or choose an eclipse with &quot;Find Eclipses...&quot;.</translation>
    </message>
    <message>
        <source>Calcul de l&apos;éclipse en cours...</source>
        <translation>Computing the eclipse...</translation>
    </message>
    <message>
        <source>Ouvre ce document</source>
        <translation>Opens this document</translation>
    </message>
    <message>
        <source>Pour l&apos;aide, appuyez sur F1</source>
        <translation>For Help, press F1</translation>
    </message>
    <message>
        <source>Umbrant - Cartes des éclipses de Soleil</source>
        <translation>Umbrant - Maps of solar eclipses</translation>
    </message>
    <message>
        <source>Position de l&apos;observateur</source>
        <translation>Observer&apos;s position</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Sur la carte</source>
        <translation>On the map</translation>
    </message>
    <message>
        <source>Cliquez sur la carte à l&apos;emplacement de l&apos;observateur</source>
        <translation>Click on the map at the observer&apos;s place</translation>
    </message>
    <message>
        <source>Séparation : cliquez sur le premier point</source>
        <translation>Separation: click on the first point</translation>
    </message>
    <message>
        <source>Séparation : cliquez sur le second point</source>
        <translation>Separation: click on the second point</translation>
    </message>
    <message>
        <source>Hors du globe : cliquez sur la Terre</source>
        <translation>Off the globe: click on the Earth</translation>
    </message>
    <message>
        <source>Observateur : %1</source>
        <translation>Observer: %1</translation>
    </message>
    <message>
        <source>hors du globe</source>
        <translation>off the globe</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>O</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Séparation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>De %1
à %2

Distance : %3 km
Azimut initial : %4°
Azimut final : %5°</source>
        <translation>From %1
to %2

Distance: %3 km
Initial azimuth: %4°
Final azimuth: %5°</translation>
    </message>
    <message>
        <source>Séparation : %1 km, azimut initial %2°</source>
        <translation>Separation: %1 km, initial azimuth %2°</translation>
    </message>
    <message>
        <source>Enregistrer les modifications apportées à %1 ?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Circonstances locales</source>
        <translation>Local circumstances</translation>
    </message>
    <message>
        <source>Aucune éclipse choisie.</source>
        <translation>No eclipse chosen.</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Grandeur</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Rapport des diamètres Lune/Soleil</source>
        <translation>Moon/Sun diameter ratio</translation>
    </message>
    <message>
        <source>Obscuration</source>
        <translation>Obscuration</translation>
    </message>
    <message>
        <source>Durée de la phase centrale</source>
        <translation>Duration of the central phase</translation>
    </message>
    <message>
        <source>aucune (hors de la pénombre)</source>
        <translation>none (outside the penumbra)</translation>
    </message>
    <message>
        <source> (Soleil sous l&apos;horizon)</source>
        <translation> (Sun below the horizon)</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>TU</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Heure locale (TU%1 h)</source>
        <translation>Local time (UT%1 h)</translation>
    </message>
    <message>
        <source>Hauteur du Soleil</source>
        <translation>Sun altitude</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source> (lendemain)</source>
        <translation> (next day)</translation>
    </message>
    <message>
        <source> (veille)</source>
        <translation> (previous day)</translation>
    </message>
    <message>
        <source>Le Soleil se lève éclipsé à %1 TU (grandeur %2).</source>
        <translation>The Sun rises eclipsed at %1 UT (magnitude %2).</translation>
    </message>
    <message>
        <source>Le Soleil se couche éclipsé à %1 TU (grandeur %2).</source>
        <translation>The Sun sets eclipsed at %1 UT (magnitude %2).</translation>
    </message>
    <message>
        <source>Aide de Umbrant</source>
        <translation>Umbrant Help</translation>
    </message>
    <message>
        <source>Outils</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Fichiers Umbrant (*.umb)</source>
        <translation>Umbrant files (*.umb)</translation>
    </message>
    <message>
        <source>Les points origine et extrémité ont
la même abscisse ou ordonnée</source>
        <translation>The start and end points have
the same abscissa or ordinate</translation>
    </message>
    <message>
        <source>Fonction Zoom+ impossible</source>
        <translation>Zoom+ not possible</translation>
    </message>
    <message>
        <source>Fonction Zoom- impossible</source>
        <translation>Zoom- not possible</translation>
    </message>
    <message>
        <source>%1 s/s</source>
        <translation>%1 s/s</translation>
    </message>
    <message>
        <source>Vitesse de l&apos;animation, en temps d&apos;éclipse par seconde</source>
        <translation>Speed of the animation, in eclipse time per second</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>tous</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Vues de l&apos;observateur seulement</source>
        <translation>Seen from the observer only</translation>
    </message>
    <message>
        <source>Légende et titre de la carte</source>
        <translation>Key and title of the map</translation>
    </message>
    <message>
        <source>Azimut du Soleil</source>
        <translation>Sun&apos;s azimuth</translation>
    </message>
    <message>
        <source>Angle de position</source>
        <translation>Position angle</translation>
    </message>
    <message>
        <source>Aller à :</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Met l&apos;époque à l&apos;instant de ce contact</source>
        <translation>Sets the epoch to the instant of this contact</translation>
    </message>
    <message>
        <source>Noms des plus grandes villes de la bande</source>
        <translation>Names of the largest towns of the path</translation>
    </message>
    <message>
        <source>Villes</source>
        <translation>Towns</translation>
    </message>
    <message>
        <source>Ville</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Maximum (heure locale)</source>
        <translation>Maximum (local time)</translation>
    </message>
    <message>
        <source>Dans la bande centrale seulement</source>
        <translation>Inside the central path only</translation>
    </message>
    <message>
        <source>%1 villes</source>
        <translation>%1 towns</translation>
    </message>
    <message>
        <source>Calcul des villes...</source>
        <translation>Computing the towns...</translation>
    </message>
    <message>
        <source>Aucune liste de villes (places.dat manque).</source>
        <translation>No list of towns (places.dat is missing).</translation>
    </message>
    <message>
        <source>Un clic place l&apos;observateur dans la ville et y centre la carte</source>
        <translation>A click places the observer in the town and centres the map on it</translation>
    </message>
    <message>
        <source>Rechercher une ville</source>
        <translation>Search for a town</translation>
    </message>
    <message>
        <source>Nom d&apos;une ville, avec sa région ou son pays après une virgule</source>
        <translation>Name of a town, with its state or country after a comma</translation>
    </message>
    <message>
        <source>Ville inconnue : « %1 »</source>
        <translation>Unknown town: “%1”</translation>
    </message>
    <message>
        <source>Ville inconnue : « %1 » (proches : %2)</source>
        <translation>Unknown town: “%1” (close: %2)</translation>
    </message>
    <message>
        <source>Observateur : %1 (homonymes : %2)</source>
        <translation>Observer: %1 (same name: %2)</translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation>Local time (%1)</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Opération terminée</source>
        <translation>Operation completed</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite durant la conversion</source>
        <translation>An error occurred during the conversion</translation>
    </message>
    <message>
        <source> (fichier ou répertoire introuvable)</source>
        <translation> (no such file or directory)</translation>
    </message>
    <message>
        <source> (permission refusée)</source>
        <translation> (permission denied)</translation>
    </message>
    <message>
        <source> (plus de place sur le disque)</source>
        <translation> (no space left on the disk)</translation>
    </message>
    <message>
        <source> (quota disque dépassé)</source>
        <translation> (disk quota exceeded)</translation>
    </message>
    <message>
        <source> (système de fichiers en lecture seule)</source>
        <translation> (read-only file system)</translation>
    </message>
    <message>
        <source> (erreur d&apos;entrée-sortie)</source>
        <translation> (input/output error)</translation>
    </message>
    <message>
        <source> (c&apos;est un répertoire)</source>
        <translation> (is a directory)</translation>
    </message>
    <message>
        <source> (un élément du chemin n&apos;est pas un répertoire)</source>
        <translation> (a part of the path is not a directory)</translation>
    </message>
    <message>
        <source> (nom trop long)</source>
        <translation> (name too long)</translation>
    </message>
    <message>
        <source> (trop de liens symboliques enchaînés)</source>
        <translation> (too many levels of symbolic links)</translation>
    </message>
    <message>
        <source> (fichier trop grand)</source>
        <translation> (file too large)</translation>
    </message>
    <message>
        <source> (le lecteur a fermé le tube)</source>
        <translation> (the reader closed the pipe)</translation>
    </message>
    <message>
        <source> (périphérique absent)</source>
        <translation> (no such device)</translation>
    </message>
    <message>
        <source> (fichier occupé)</source>
        <translation> (file busy)</translation>
    </message>
    <message>
        <source> (trop de fichiers ouverts)</source>
        <translation> (too many open files)</translation>
    </message>
    <message>
        <source> (mémoire insuffisante)</source>
        <translation> (out of memory)</translation>
    </message>
    <message>
        <source> (le fichier existe déjà)</source>
        <translation> (the file already exists)</translation>
    </message>
    <message>
        <source> (pas sur le même système de fichiers)</source>
        <translation> (not on the same file system)</translation>
    </message>
    <message>
        <source> (argument invalide)</source>
        <translation> (invalid argument)</translation>
    </message>
    <message>
        <source> (erreur système %1)</source>
        <translation> (system error %1)</translation>
    </message>
    <message>
        <source>il a %1 octets, sa conversion en a écrit %2</source>
        <translation>it has %1 bytes, its conversion wrote %2</translation>
    </message>
    <message>
        <source>son contenu n&apos;est plus celui que sa conversion a écrit</source>
        <translation>its content is no longer what its conversion wrote</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le fichier</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>erreur de lecture</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>le fichier a %1 octets, il en faut %2</source>
        <translation>the file has %1 bytes, %2 are needed</translation>
    </message>
    <message>
        <source>impossible de créer le fichier</source>
        <translation>cannot create the file</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>impossible de remplacer le fichier</source>
        <translation>cannot replace the file</translation>
    </message>
    <message>
        <source>son contenu ne suit pas le format attendu</source>
        <translation>its content does not follow the expected format</translation>
    </message>
    <message>
        <source>Erreur sur le fichier « %1 » :
%2</source>
        <translation>Error on the file &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>La commande a échoué :
mémoire insuffisante</source>
        <translation>The command failed:
out of memory</translation>
    </message>
    <message>
        <source>La commande a échoué :
erreur interne du programme</source>
        <translation>The command failed:
internal error of the program</translation>
    </message>
    <message>
        <source>le fichier est endommagé : %1 ; refaites la conversion (menu Outils, Reconstruire les données)</source>
        <translation>the file is damaged: %1; convert it again (Tools menu, Rebuild the data files)</translation>
    </message>
    <message>
        <source>une marque d&apos;enregistrement</source>
        <translation>a record flag</translation>
    </message>
    <message>
        <source>le jour</source>
        <translation>the day</translation>
    </message>
    <message>
        <source>le mois</source>
        <translation>the month</translation>
    </message>
    <message>
        <source>l&apos;année</source>
        <translation>the year</translation>
    </message>
    <message>
        <source>l&apos;heure</source>
        <translation>the hour</translation>
    </message>
    <message>
        <source>la minute</source>
        <translation>the minute</translation>
    </message>
    <message>
        <source>la seconde</source>
        <translation>the second</translation>
    </message>
    <message>
        <source>le Delta T donné</source>
        <translation>the given Delta T</translation>
    </message>
    <message>
        <source>la longitude de l&apos;observateur</source>
        <translation>the observer&apos;s longitude</translation>
    </message>
    <message>
        <source>la latitude de l&apos;observateur</source>
        <translation>the observer&apos;s latitude</translation>
    </message>
    <message>
        <source>la longitude du centre de la carte</source>
        <translation>the map centre&apos;s longitude</translation>
    </message>
    <message>
        <source>la latitude du centre de la carte</source>
        <translation>the map centre&apos;s latitude</translation>
    </message>
    <message>
        <source>l&apos;échelle de la carte</source>
        <translation>the map&apos;s scale</translation>
    </message>
    <message>
        <source>l&apos;origine de la carte</source>
        <translation>the map&apos;s origin</translation>
    </message>
    <message>
        <source>la taille de la carte</source>
        <translation>the map&apos;s size</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un document Umbrant :
ses marques d&apos;enregistrement ne valent pas 1 (%2 lu), c&apos;est un fichier d&apos;une autre sorte ou endommagé.</source>
        <translation>“%1” is not an Umbrant document:
its record flags are not 1 (%2 read); it is a file of another kind, or damaged.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un document Umbrant :
%2 vaut %3, hors de %4 à %5.</source>
        <translation>“%1” is not an Umbrant document:
%2 is %3, outside %4 to %5.</translation>
    </message>
</context>
</TS>
