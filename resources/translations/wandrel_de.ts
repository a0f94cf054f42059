<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Did-ir</name>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Wandrel</name>
    <message>
        <source>Scale is</source>
        <translation>Maßstab:</translation>
    </message>
    <message>
        <source>Hide Scale</source>
        <translation>Maßstab ausblenden</translation>
    </message>
    <message>
        <source>Show Scale</source>
        <translation>Maßstab einblenden</translation>
    </message>
    <message>
        <source>Scale bar</source>
        <translation>Maßstabsleiste</translation>
    </message>
    <message>
        <source>Scale caption</source>
        <translation>Maßstabsbeschriftung</translation>
    </message>
    <message>
        <source>Route length</source>
        <translation>Routenlänge</translation>
    </message>
    <message>
        <source>Enclosed area</source>
        <translation>Eingeschlossene Fläche</translation>
    </message>
    <message>
        <source>Scale unit</source>
        <translation>Maßstabseinheit</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>Area unit</source>
        <translation>Flächeneinheit</translation>
    </message>
    <message>
        <source>Scale bar is</source>
        <translation>Maßstabsleiste entspricht</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>sq</source>
        <translation>Quadrat-</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Wandrel Default</source>
        <translation>Wandrel-Standard</translation>
    </message>
    <message>
        <source>Engineer&apos;s Pen</source>
        <translation>Tuschestift</translation>
    </message>
    <message>
        <source>Highlighter Pen</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>Magic Marker</source>
        <translation>Filzstift</translation>
    </message>
    <message>
        <source>Pastel Green</source>
        <translation>Pastellgrün</translation>
    </message>
    <message>
        <source>Pastel Pink</source>
        <translation>Pastellrosa</translation>
    </message>
    <message>
        <source>Route Info</source>
        <translation>Routeninfo</translation>
    </message>
    <message>
        <source>Waypoint table</source>
        <translation>Wegpunkttabelle</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Tabelle kopieren</translation>
    </message>
    <message>
        <source>Copies the table of legs for a spreadsheet or a document.</source>
        <translation>Kopiert die Tabelle der Etappen für eine Tabellenkalkulation oder ein Dokument.</translation>
    </message>
    <message>
        <source>Style saved with this route</source>
        <translation>Mit dieser Route gespeicherter Stil</translation>
    </message>
    <message>
        <source>Line style</source>
        <translation>Linienstil</translation>
    </message>
    <message>
        <source>Outer colour</source>
        <translation>Außenfarbe</translation>
    </message>
    <message>
        <source>Inner colour</source>
        <translation>Innenfarbe</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Terrain</source>
        <translation>Gelände</translation>
    </message>
    <message>
        <source>Shade area</source>
        <translation>Fläche schattieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Waypoint</source>
        <translation>Wegpunkt</translation>
    </message>
    <message>
        <source>Next waypoint</source>
        <translation>Nächster Wegpunkt</translation>
    </message>
    <message>
        <source>From start</source>
        <translation>Ab Start</translation>
    </message>
    <message>
        <source>To end</source>
        <translation>Bis Ziel</translation>
    </message>
    <message>
        <source>Set the scale in the main window.</source>
        <translation>Den Maßstab im Hauptfenster einstellen.</translation>
    </message>
    <message>
        <source>Scale unit is %@. You can&apos;t place markers every %g %@</source>
        <translation>Die Maßstabseinheit ist %@. Marken können nicht alle %g %@ gesetzt werden</translation>
    </message>
    <message>
        <source>Place Distance Markers</source>
        <translation>Entfernungsmarken setzen</translation>
    </message>
    <message>
        <source>Open Measurement</source>
        <translation>Messung öffnen</translation>
    </message>
    <message>
        <source>Save Measurement</source>
        <translation>Messung speichern</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Wandrel</source>
        <translation>%1[*] — Wandrel</translation>
    </message>
    <message>
        <source>“%1” could not be opened.</source>
        <translation>„%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The folder holds no measurement that Wandrel can read.</source>
        <translation>Der Ordner enthält keine Messung, die Wandrel lesen kann.</translation>
    </message>
    <message>
        <source>The measurement “%1” could not be saved.</source>
        <translation>Die Messung „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>If you don&apos;t save them, your changes will be lost.</source>
        <translation>Wenn Sie sie nicht speichern, gehen Ihre Änderungen verloren.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Wandrel could not write “%1” into the folder “%2”.</source>
        <translation>Wandrel konnte „%1“ nicht in den Ordner „%2“ schreiben.</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder. Choose another name for the measurement.</source>
        <translation>„%1“ ist eine Datei, kein Ordner. Wählen Sie einen anderen Namen für die Messung.</translation>
    </message>
    <message>
        <source>Wandrel could not make the folder “%1”.</source>
        <translation>Wandrel konnte den Ordner „%1“ nicht anlegen.</translation>
    </message>
    <message>
        <source>Wandrel cannot write into the folder “%1”.</source>
        <translation>Wandrel kann nicht in den Ordner „%1“ schreiben.</translation>
    </message>
    <message>
        <source>~/Documents</source>
        <translation>~/Documents</translation>
    </message>
    <message>
        <source>Parts of the measurement could not be read; they keep what the window showed before.</source>
        <translation>Teile der Messung konnten nicht gelesen werden; sie behalten, was das Fenster vorher zeigte.</translation>
    </message>
    <message>
        <source>The unit “%1” is not among your units, so the figures are shown in “%2”.</source>
        <translation>Die Einheit „%1“ gehört nicht zu Ihren Einheiten, daher werden die Werte in „%2“ angezeigt.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Customise Toolbar…</source>
        <translation>Werkzeugleiste anpassen…</translation>
    </message>
    <message>
        <source>Available items</source>
        <translation>Verfügbare Elemente</translation>
    </message>
    <message>
        <source>Toolbar items</source>
        <translation>Elemente der Werkzeugleiste</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Use Default Set</source>
        <translation>Standardsatz verwenden</translation>
    </message>
    <message>
        <source>Customise Toolbar</source>
        <translation>Werkzeugleiste anpassen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Flexible Space</source>
        <translation>Variabler Abstand</translation>
    </message>
    <message>
        <source>Point %1 of %2, waypoint</source>
        <translation>Punkt %1 von %2, Wegpunkt</translation>
    </message>
    <message>
        <source>Point %1 of %2, distance marker</source>
        <translation>Punkt %1 von %2, Entfernungsmarke</translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation>Punkt %1 von %2</translation>
    </message>
    <message>
        <source>Remove waypoint</source>
        <translation>Wegpunkt entfernen</translation>
    </message>
    <message>
        <source>Show Waypoint Details</source>
        <translation>Wegpunktdetails anzeigen</translation>
    </message>
    <message>
        <source>Make Waypoint</source>
        <translation>Zum Wegpunkt machen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the unit &apos;%1&apos;?</source>
        <translation>Möchten Sie die Einheit „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Unit</source>
        <translation>Einheit löschen</translation>
    </message>
    <message>
        <source>Please provide a name for this new unit</source>
        <translation>Bitte geben Sie einen Namen für diese neue Einheit an</translation>
    </message>
    <message>
        <source>Please provide an abbreviation for this new unit</source>
        <translation>Bitte geben Sie eine Abkürzung für diese neue Einheit an</translation>
    </message>
    <message>
        <source>Please provide a conversion factor for this new unit. (The number of metres in this unit?)</source>
        <translation>Bitte geben Sie einen Umrechnungsfaktor für diese neue Einheit an. (Wie viele Meter hat diese Einheit?)</translation>
    </message>
    <message>
        <source>Please provide a conversion factor greater than zero for this unit.</source>
        <translation>Bitte geben Sie für diese Einheit einen Umrechnungsfaktor größer als null an.</translation>
    </message>
    <message>
        <source>Please provide a different name - &apos;%1&apos; is already being used</source>
        <translation>Bitte geben Sie einen anderen Namen an – „%1“ wird bereits verwendet</translation>
    </message>
    <message>
        <source>Please provide a different abbreviation - &apos;%1&apos; is already being used</source>
        <translation>Bitte geben Sie eine andere Abkürzung an – „%1“ wird bereits verwendet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Short name</source>
        <translation>Kurzname</translation>
    </message>
    <message>
        <source>Metres per unit</source>
        <translation>Meter pro Einheit</translation>
    </message>
    <message>
        <source>Wandrel[*]</source>
        <translation>Wandrel[*]</translation>
    </message>
    <message>
        <source>About Wandrel</source>
        <translation>Über Wandrel</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Quit Wandrel</source>
        <translation>Wandrel beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Export Image…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
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
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Show Scale Bar</source>
        <translation>Maßstabsleiste anzeigen</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Keep Scale Bar Level</source>
        <translation>Maßstabsleiste waagerecht halten</translation>
    </message>
    <message>
        <source>Level Scale Bar</source>
        <translation>Maßstabsleiste waagerecht ausrichten</translation>
    </message>
    <message>
        <source>Undo Point</source>
        <translation>Punkt zurücknehmen</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Modify/Lock Points</source>
        <translation>Punkte ändern/sperren</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Place Waypoint</source>
        <translation>Wegpunkt setzen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Continue Line</source>
        <translation>Linie fortsetzen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Clear Line…</source>
        <translation>Linie löschen…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Backspace</source>
        <translation>Ctrl+Shift+Backspace</translation>
    </message>
    <message>
        <source>Place Distance Markers…</source>
        <translation>Entfernungsmarken setzen…</translation>
    </message>
    <message>
        <source>Remove Distance Markers</source>
        <translation>Entfernungsmarken entfernen</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Schnappschuss aufnehmen</translation>
    </message>
    <message>
        <source>Shade Enclosed Area</source>
        <translation>Eingeschlossene Fläche schattieren</translation>
    </message>
    <message>
        <source>Wandrel Home Page</source>
        <translation>Wandrel-Website</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Wandrel</source>
        <translation>Wandrel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Distance Markers</source>
        <translation>Entfernungsmarken</translation>
    </message>
    <message>
        <source>Place a marker every</source>
        <translation>Marken setzen im Abstand von</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Show the unit on each marker</source>
        <translation>Die Einheit an jeder Marke anzeigen</translation>
    </message>
    <message>
        <source>Welcome to Wandrel</source>
        <translation>Willkommen bei Wandrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Welcome to Wandrel&lt;/h3&gt;&lt;p&gt;1. Lay the two ends of the scale bar against the scale bar printed on your map.&lt;/p&gt;&lt;p&gt;2. Type what it stands for and choose its unit.&lt;/p&gt;&lt;p&gt;3. Click along your route; double-click or press Escape to finish it.&lt;/p&gt;&lt;p&gt;The route&apos;s length and enclosed area update as you go.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Willkommen bei Wandrel&lt;/h3&gt;&lt;p&gt;1. Legen Sie die beiden Enden der Maßstabsleiste an die Maßstabsleiste, die auf Ihrer Karte gedruckt ist.&lt;/p&gt;&lt;p&gt;2. Geben Sie ein, welcher Strecke sie entspricht, und wählen Sie die Einheit.&lt;/p&gt;&lt;p&gt;3. Klicken Sie Ihre Route entlang; doppelklicken Sie oder drücken Sie Escape, um sie abzuschließen.&lt;/p&gt;&lt;p&gt;Länge und eingeschlossene Fläche der Route werden laufend aktualisiert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show this at start-up</source>
        <translation>Beim Start anzeigen</translation>
    </message>
    <message>
        <source>Acetate tint</source>
        <translation>Folientönung</translation>
    </message>
    <message>
        <source>Stretches lengths and areas for hilly ground; flat ground at the left.</source>
        <translation>Streckt Längen und Flächen für hügeliges Gelände; ganz links ist flaches Gelände.</translation>
    </message>
    <message>
        <source>Include the journal</source>
        <translation>Journal einschließen</translation>
    </message>
    <message>
        <source>Include distances</source>
        <translation>Entfernungen einschließen</translation>
    </message>
    <message>
        <source>Resize images</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>New Unit…</source>
        <translation>Neue Einheit…</translation>
    </message>
    <message>
        <source>New Unit</source>
        <translation>Neue Einheit</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Save Route</source>
        <translation>Route speichern</translation>
    </message>
    <message>
        <source>Routes are not kept between sessions. Note the figures you need before you quit.</source>
        <translation>Routen werden zwischen Sitzungen nicht aufbewahrt. Notieren Sie die benötigten Werte, bevor Sie beenden.</translation>
    </message>
    <message>
        <source>Unit of area (factor is the side of its square)</source>
        <translation>Flächeneinheit (Faktor ist die Seitenlänge ihres Quadrats)</translation>
    </message>
    <message>
        <source>Waypoint Details</source>
        <translation>Wegpunktdetails</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>button that closes the welcome window</comment>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear the current line?</source>
        <translation>Möchten Sie die aktuelle Linie wirklich löschen?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Diese Aktion kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Clear Acetate</source>
        <translation>Folie leeren</translation>
    </message>
    <message>
        <source>Changes to Configuration</source>
        <translation>Änderungen an der Konfiguration</translation>
    </message>
    <message>
        <source>Changes to the window configuration will not take effect until the next time Wandrel is started.</source>
        <translation>Änderungen an der Fensterkonfiguration werden erst beim nächsten Start von Wandrel wirksam.</translation>
    </message>
    <message>
        <source>Route length (toolbar)</source>
        <translation>Routenlänge (Werkzeugleiste)</translation>
    </message>
    <message>
        <source>Scale number</source>
        <translation>Maßstabszahl</translation>
    </message>
    <message>
        <source>Scale number (preferences)</source>
        <translation>Maßstabszahl (Einstellungen)</translation>
    </message>
    <message>
        <source>Scale unit (preferences)</source>
        <translation>Maßstabseinheit (Einstellungen)</translation>
    </message>
    <message>
        <source>Length unit (preferences)</source>
        <translation>Längeneinheit (Einstellungen)</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Acetate</source>
        <translation>Folie</translation>
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
        <translation>„%1“ konnte nicht vollständig wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Area: %1 %2</source>
        <translation>Fläche: %1 %2</translation>
    </message>
    <message>
        <source>Area: %1 sq %2</source>
        <translation>Fläche: %1 Quadrat-%2</translation>
    </message>
    <message>
        <source>Length: %1 %2</source>
        <translation>Länge: %1 %2</translation>
    </message>
    <message>
        <source>Acetate.jpg</source>
        <translation>Folie.jpg</translation>
    </message>
    <message>
        <source>“%1” is not a PNG or JPEG file name. Choose a name ending in .png or .jpg.</source>
        <translation>„%1“ ist kein PNG- oder JPEG-Dateiname. Wählen Sie einen Namen, der auf .png oder .jpg endet.</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”: %2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Das Bild konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Wandrel writes PNG and JPEG pictures only.</source>
        <translation>Wandrel schreibt nur PNG- und JPEG-Bilder.</translation>
    </message>
    <message>
        <source>The acetate has no picture to write.</source>
        <translation>Die Folie hat kein Bild, das geschrieben werden könnte.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot portal did not answer.</source>
        <translation>Das Bildschirmfoto-Portal der Arbeitsumgebung hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Another snapshot was asked for.</source>
        <translation>Ein weiterer Schnappschuss wurde angefordert.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot portal refused the snapshot.</source>
        <translation>Das Bildschirmfoto-Portal der Arbeitsumgebung hat den Schnappschuss abgelehnt.</translation>
    </message>
    <message>
        <source>The snapshot was cancelled.</source>
        <translation>Der Schnappschuss wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The screenshot portal&apos;s picture could not be read.</source>
        <translation>Das Bild des Bildschirmfoto-Portals konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The acetate lies outside the portal&apos;s picture.</source>
        <translation>Die Folie liegt außerhalb des Bildes des Portals.</translation>
    </message>
    <message>
        <source>Wandrel cannot take a picture of the screen on this desktop. A snapshot needs an X11 session, or a Wayland session with the desktop&apos;s screenshot portal.</source>
        <translation>Wandrel kann auf dieser Arbeitsumgebung kein Bild des Bildschirms aufnehmen. Ein Schnappschuss braucht eine X11-Sitzung oder eine Wayland-Sitzung mit dem Bildschirmfoto-Portal der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>The screen could not be read.</source>
        <translation>Der Bildschirm konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Acetate picture</source>
        <translation>Folienbild</translation>
    </message>
    <message>
        <source>Line distance</source>
        <translation>Linienlänge</translation>
    </message>
    <message>
        <source>Scale distance</source>
        <translation>Maßstabsstrecke</translation>
    </message>
    <message>
        <source>Export JPEG</source>
        <translation>JPEG exportieren</translation>
    </message>
    <message>
        <source>Waypoint details</source>
        <translation>Wegpunktdetails</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Add Text Label</source>
        <translation>Textetikett hinzufügen</translation>
    </message>
    <message>
        <source>Attach Image</source>
        <translation>Bild anhängen</translation>
    </message>
    <message>
        <source>Export For Email</source>
        <translation>Für E-Mail exportieren</translation>
    </message>
    <message>
        <source>Export For Web</source>
        <translation>Für das Web exportieren</translation>
    </message>
    <message>
        <source>The acetate is on no screen that can be read.</source>
        <translation>Die Folie liegt auf keinem Bildschirm, der gelesen werden kann.</translation>
    </message>
    <message>
        <source>The X server gave no picture of the screen.</source>
        <translation>Der X-Server hat kein Bild des Bildschirms geliefert.</translation>
    </message>
</context>
</TS>
