<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Did-ir</name>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Wandrel</name>
    <message>
        <source>Scale is</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>Wandrel Default</source>
        <translation>Wandrel par défaut</translation>
    </message>
    <message>
        <source>Engineer&apos;s Pen</source>
        <translation>Stylo technique</translation>
    </message>
    <message>
        <source>Highlighter Pen</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>Magic Marker</source>
        <translation>Feutre</translation>
    </message>
    <message>
        <source>Pastel Green</source>
        <translation>Vert pastel</translation>
    </message>
    <message>
        <source>Pastel Pink</source>
        <translation>Rose pastel</translation>
    </message>
    <message>
        <source>Scale caption</source>
        <translation>Légende de l&apos;échelle</translation>
    </message>
    <message>
        <source>Scale unit is %@. You can&apos;t place markers every %g %@</source>
        <translation>L&apos;unité de l&apos;échelle est %@. Impossible de placer des marqueurs tous les %g %@</translation>
    </message>
    <message>
        <source>Place Distance Markers</source>
        <translation>Placer des marqueurs de distance</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open Measurement</source>
        <translation>Ouvrir une mesure</translation>
    </message>
    <message>
        <source>Save Measurement</source>
        <translation>Enregistrer la mesure</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] — Wandrel</source>
        <translation>%1[*] — Wandrel</translation>
    </message>
    <message>
        <source>“%1” could not be opened.</source>
        <translation>« %1 » n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The folder holds no measurement that Wandrel can read.</source>
        <translation>Le dossier ne contient aucune mesure que Wandrel sache lire.</translation>
    </message>
    <message>
        <source>The measurement “%1” could not be saved.</source>
        <translation>La mesure « %1 » n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>If you don&apos;t save them, your changes will be lost.</source>
        <translation>Si vous ne les enregistrez pas, vos modifications seront perdues.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Wandrel could not write “%1” into the folder “%2”.</source>
        <translation>Wandrel n&apos;a pas pu écrire « %1 » dans le dossier « %2 ».</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder. Choose another name for the measurement.</source>
        <translation>« %1 » est un fichier, pas un dossier. Choisissez un autre nom pour la mesure.</translation>
    </message>
    <message>
        <source>Wandrel could not make the folder “%1”.</source>
        <translation>Wandrel n&apos;a pas pu créer le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Wandrel cannot write into the folder “%1”.</source>
        <translation>Wandrel ne peut pas écrire dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>~/Documents</source>
        <translation>~/Documents</translation>
    </message>
    <message>
        <source>Parts of the measurement could not be read; they keep what the window showed before.</source>
        <translation>Certaines parties de la mesure n&apos;ont pas pu être lues ; elles gardent ce que la fenêtre affichait auparavant.</translation>
    </message>
    <message>
        <source>The unit “%1” is not among your units, so the figures are shown in “%2”.</source>
        <translation>L&apos;unité « %1 » ne fait pas partie de vos unités ; les valeurs sont donc affichées en « %2 ».</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu</comment>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Waypoint</source>
        <translation>Point de passage</translation>
    </message>
    <message>
        <source>Next waypoint</source>
        <translation>Point de passage suivant</translation>
    </message>
    <message>
        <source>From start</source>
        <translation>Depuis le départ</translation>
    </message>
    <message>
        <source>To end</source>
        <translation>Jusqu&apos;à l&apos;arrivée</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Customise Toolbar…</source>
        <translation>Personnaliser la barre d&apos;outils…</translation>
    </message>
    <message>
        <source>Available items</source>
        <translation>Éléments disponibles</translation>
    </message>
    <message>
        <source>Toolbar items</source>
        <translation>Éléments de la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Use Default Set</source>
        <translation>Utiliser le jeu par défaut</translation>
    </message>
    <message>
        <source>Customise Toolbar</source>
        <translation>Personnaliser la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Flexible Space</source>
        <translation>Espace flexible</translation>
    </message>
    <message>
        <source>Hide Scale</source>
        <translation>Masquer l&apos;échelle</translation>
    </message>
    <message>
        <source>Show Scale</source>
        <translation>Afficher l&apos;échelle</translation>
    </message>
    <message>
        <source>Scale bar</source>
        <translation>Barre d&apos;échelle</translation>
    </message>
    <message>
        <source>Point %1 of %2, waypoint</source>
        <translation>Point %1 sur %2, point de passage</translation>
    </message>
    <message>
        <source>Point %1 of %2, distance marker</source>
        <translation>Point %1 sur %2, marqueur de distance</translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation>Point %1 sur %2</translation>
    </message>
    <message>
        <source>Remove waypoint</source>
        <translation>Retirer le point de passage</translation>
    </message>
    <message>
        <source>Show Waypoint Details</source>
        <translation>Afficher les détails des points de passage</translation>
    </message>
    <message>
        <source>Make Waypoint</source>
        <translation>Transformer en point de passage</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the unit &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;unité « %1 » ?</translation>
    </message>
    <message>
        <source>Delete Unit</source>
        <translation>Supprimer l&apos;unité</translation>
    </message>
    <message>
        <source>Please provide a name for this new unit</source>
        <translation>Veuillez indiquer un nom pour cette nouvelle unité</translation>
    </message>
    <message>
        <source>Please provide an abbreviation for this new unit</source>
        <translation>Veuillez indiquer une abréviation pour cette nouvelle unité</translation>
    </message>
    <message>
        <source>Please provide a conversion factor for this new unit. (The number of metres in this unit?)</source>
        <translation>Veuillez indiquer un facteur de conversion pour cette nouvelle unité. (Combien de mètres vaut cette unité ?)</translation>
    </message>
    <message>
        <source>Please provide a conversion factor greater than zero for this unit.</source>
        <translation>Veuillez indiquer un facteur de conversion supérieur à zéro pour cette unité.</translation>
    </message>
    <message>
        <source>Please provide a different name - &apos;%1&apos; is already being used</source>
        <translation>Veuillez indiquer un autre nom – « %1 » est déjà utilisé</translation>
    </message>
    <message>
        <source>Please provide a different abbreviation - &apos;%1&apos; is already being used</source>
        <translation>Veuillez indiquer une autre abréviation – « %1 » est déjà utilisée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Short name</source>
        <translation>Abréviation</translation>
    </message>
    <message>
        <source>Metres per unit</source>
        <translation>Mètres par unité</translation>
    </message>
    <message>
        <source>Wandrel[*]</source>
        <translation>Wandrel[*]</translation>
    </message>
    <message>
        <source>About Wandrel</source>
        <translation>À propos de Wandrel</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Quit Wandrel</source>
        <translation>Quitter Wandrel</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Export Image…</source>
        <translation>Exporter l&apos;image…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Show Scale Bar</source>
        <translation>Afficher la barre d&apos;échelle</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Keep Scale Bar Level</source>
        <translation>Garder la barre d&apos;échelle horizontale</translation>
    </message>
    <message>
        <source>Level Scale Bar</source>
        <translation>Mettre la barre d&apos;échelle à l&apos;horizontale</translation>
    </message>
    <message>
        <source>Undo Point</source>
        <translation>Annuler le dernier point</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Modify/Lock Points</source>
        <translation>Modifier/verrouiller les points</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Place Waypoint</source>
        <translation>Placer un point de passage</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Continue Line</source>
        <translation>Prolonger la ligne</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Clear Line…</source>
        <translation>Effacer la ligne…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Backspace</source>
        <translation>Ctrl+Shift+Backspace</translation>
    </message>
    <message>
        <source>Place Distance Markers…</source>
        <translation>Placer des marqueurs de distance…</translation>
    </message>
    <message>
        <source>Remove Distance Markers</source>
        <translation>Retirer les marqueurs de distance</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Prendre un instantané</translation>
    </message>
    <message>
        <source>Shade Enclosed Area</source>
        <translation>Ombrer la surface délimitée</translation>
    </message>
    <message>
        <source>Wandrel Home Page</source>
        <translation>Site web de Wandrel</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Wandrel</source>
        <translation>Wandrel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Itinéraire</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Distance Markers</source>
        <translation>Marqueurs de distance</translation>
    </message>
    <message>
        <source>Place a marker every</source>
        <translation>Placer un marqueur tous les</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Show the unit on each marker</source>
        <translation>Afficher l&apos;unité sur chaque marqueur</translation>
    </message>
    <message>
        <source>Welcome to Wandrel</source>
        <translation>Bienvenue dans Wandrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Welcome to Wandrel&lt;/h3&gt;&lt;p&gt;1. Lay the two ends of the scale bar against the scale bar printed on your map.&lt;/p&gt;&lt;p&gt;2. Type what it stands for and choose its unit.&lt;/p&gt;&lt;p&gt;3. Click along your route; double-click or press Escape to finish it.&lt;/p&gt;&lt;p&gt;The route&apos;s length and enclosed area update as you go.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Bienvenue dans Wandrel&lt;/h3&gt;&lt;p&gt;1. Placez les deux extrémités de la barre d&apos;échelle contre la barre d&apos;échelle imprimée sur votre carte.&lt;/p&gt;&lt;p&gt;2. Saisissez la distance qu&apos;elle représente et choisissez son unité.&lt;/p&gt;&lt;p&gt;3. Cliquez le long de votre itinéraire ; double-cliquez ou appuyez sur Échap pour le terminer.&lt;/p&gt;&lt;p&gt;La longueur de l&apos;itinéraire et la surface délimitée se mettent à jour au fur et à mesure.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show this at start-up</source>
        <translation>Afficher au démarrage</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Acetate tint</source>
        <translation>Teinte du calque</translation>
    </message>
    <message>
        <source>Line style</source>
        <translation>Style de ligne</translation>
    </message>
    <message>
        <source>Outer colour</source>
        <translation>Couleur extérieure</translation>
    </message>
    <message>
        <source>Inner colour</source>
        <translation>Couleur intérieure</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Terrain</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Stretches lengths and areas for hilly ground; flat ground at the left.</source>
        <translation>Allonge les longueurs et les surfaces pour un terrain vallonné ; terrain plat à gauche.</translation>
    </message>
    <message>
        <source>Scale bar is</source>
        <translation>La barre d&apos;échelle vaut</translation>
    </message>
    <message>
        <source>Route length</source>
        <translation>Longueur de l&apos;itinéraire</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Include the journal</source>
        <translation>Inclure le journal</translation>
    </message>
    <message>
        <source>Include distances</source>
        <translation>Inclure les distances</translation>
    </message>
    <message>
        <source>Resize images</source>
        <translation>Redimensionner les images</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>New Unit…</source>
        <translation>Nouvelle unité…</translation>
    </message>
    <message>
        <source>New Unit</source>
        <translation>Nouvelle unité</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Save Route</source>
        <translation>Enregistrer l&apos;itinéraire</translation>
    </message>
    <message>
        <source>Routes are not kept between sessions. Note the figures you need before you quit.</source>
        <translation>Les itinéraires ne sont pas conservés d&apos;une session à l&apos;autre. Notez les valeurs dont vous avez besoin avant de quitter.</translation>
    </message>
    <message>
        <source>Unit of area (factor is the side of its square)</source>
        <translation>Unité de surface (le facteur est le côté de son carré)</translation>
    </message>
    <message>
        <source>Scale unit</source>
        <translation>Unité de l&apos;échelle</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Unité de longueur</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Area unit</source>
        <translation>Unité de surface</translation>
    </message>
    <message>
        <source>sq</source>
        <translation>carrés</translation>
    </message>
    <message>
        <source>Route Info</source>
        <translation>Infos sur l&apos;itinéraire</translation>
    </message>
    <message>
        <source>Enclosed area</source>
        <translation>Surface délimitée</translation>
    </message>
    <message>
        <source>Set the scale in the main window.</source>
        <translation>Réglez l&apos;échelle dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Waypoint table</source>
        <translation>Tableau des points de passage</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Copier le tableau</translation>
    </message>
    <message>
        <source>Copies the table of legs for a spreadsheet or a document.</source>
        <translation>Copie le tableau des tronçons pour un tableur ou un document.</translation>
    </message>
    <message>
        <source>Style saved with this route</source>
        <translation>Style enregistré avec cet itinéraire</translation>
    </message>
    <message>
        <source>Shade area</source>
        <translation>Ombrer la surface</translation>
    </message>
    <message>
        <source>Waypoint Details</source>
        <translation>Détails du point de passage</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>button that closes the welcome window</comment>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the current line?</source>
        <translation>Voulez-vous vraiment effacer la ligne actuelle ?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Cette action ne peut pas être annulée.</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantané</translation>
    </message>
    <message>
        <source>Clear Acetate</source>
        <translation>Vider le calque</translation>
    </message>
    <message>
        <source>Changes to Configuration</source>
        <translation>Modifications de la configuration</translation>
    </message>
    <message>
        <source>Changes to the window configuration will not take effect until the next time Wandrel is started.</source>
        <translation>Les modifications de la configuration des fenêtres ne prendront effet qu&apos;au prochain démarrage de Wandrel.</translation>
    </message>
    <message>
        <source>Route length (toolbar)</source>
        <translation>Longueur de l&apos;itinéraire (barre d&apos;outils)</translation>
    </message>
    <message>
        <source>Scale number</source>
        <translation>Valeur de l&apos;échelle</translation>
    </message>
    <message>
        <source>Scale number (preferences)</source>
        <translation>Valeur de l&apos;échelle (préférences)</translation>
    </message>
    <message>
        <source>Scale unit (preferences)</source>
        <translation>Unité de l&apos;échelle (préférences)</translation>
    </message>
    <message>
        <source>Length unit (preferences)</source>
        <translation>Unité de longueur (préférences)</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>Acetate</source>
        <translation>Calque</translation>
    </message>
    <message>
        <source>https://wandrel.app/</source>
        <translation>https://wandrel.app/</translation>
    </message>
    <message>
        <source>https://wandrel.app/updates/</source>
        <translation>https://wandrel.app/updates/</translation>
    </message>
    <message>
        <source>Not all of “%1” could be restored.</source>
        <translation>« %1 » n&apos;a pas pu être entièrement restauré.</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Image JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Area: %1 %2</source>
        <translation>Surface : %1 %2</translation>
    </message>
    <message>
        <source>Area: %1 sq %2</source>
        <translation>Surface : %1 %2 carrés</translation>
    </message>
    <message>
        <source>Length: %1 %2</source>
        <translation>Longueur : %1 %2</translation>
    </message>
    <message>
        <source>Acetate.jpg</source>
        <translation>Calque.jpg</translation>
    </message>
    <message>
        <source>“%1” is not a PNG or JPEG file name. Choose a name ending in .png or .jpg.</source>
        <translation>« %1 » n&apos;est pas un nom de fichier PNG ou JPEG. Choisissez un nom se terminant par .png ou .jpg.</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous « %1 » : %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Wandrel writes PNG and JPEG pictures only.</source>
        <translation>Wandrel n&apos;écrit que des images PNG et JPEG.</translation>
    </message>
    <message>
        <source>The acetate has no picture to write.</source>
        <translation>Le calque n&apos;a aucune image à écrire.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot portal did not answer.</source>
        <translation>Le portail de capture d&apos;écran du bureau n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Another snapshot was asked for.</source>
        <translation>Un autre instantané a été demandé.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot portal refused the snapshot.</source>
        <translation>Le portail de capture d&apos;écran du bureau a refusé l&apos;instantané.</translation>
    </message>
    <message>
        <source>The snapshot was cancelled.</source>
        <translation>L&apos;instantané a été annulé.</translation>
    </message>
    <message>
        <source>The screenshot portal&apos;s picture could not be read.</source>
        <translation>L&apos;image du portail de capture d&apos;écran n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The acetate lies outside the portal&apos;s picture.</source>
        <translation>Le calque se trouve en dehors de l&apos;image du portail.</translation>
    </message>
    <message>
        <source>Wandrel cannot take a picture of the screen on this desktop. A snapshot needs an X11 session, or a Wayland session with the desktop&apos;s screenshot portal.</source>
        <translation>Wandrel ne peut pas prendre d&apos;image de l&apos;écran sur ce bureau. Un instantané nécessite une session X11, ou une session Wayland avec le portail de capture d&apos;écran du bureau.</translation>
    </message>
    <message>
        <source>The screen could not be read.</source>
        <translation>L&apos;écran n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Acetate picture</source>
        <translation>Image du calque</translation>
    </message>
    <message>
        <source>Line distance</source>
        <translation>Longueur de la ligne</translation>
    </message>
    <message>
        <source>Scale distance</source>
        <translation>Distance de l&apos;échelle</translation>
    </message>
    <message>
        <source>Export JPEG</source>
        <translation>Exporter en JPEG</translation>
    </message>
    <message>
        <source>Waypoint details</source>
        <translation>Détails des points de passage</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Add Text Label</source>
        <translation>Ajouter une étiquette</translation>
    </message>
    <message>
        <source>Attach Image</source>
        <translation>Joindre une image</translation>
    </message>
    <message>
        <source>Export For Email</source>
        <translation>Exporter pour le courriel</translation>
    </message>
    <message>
        <source>Export For Web</source>
        <translation>Exporter pour le Web</translation>
    </message>
    <message>
        <source>The acetate is on no screen that can be read.</source>
        <translation>Le calque ne se trouve sur aucun écran lisible.</translation>
    </message>
    <message>
        <source>The X server gave no picture of the screen.</source>
        <translation>Le serveur X n&apos;a fourni aucune image de l&apos;écran.</translation>
    </message>
</context>
</TS>
