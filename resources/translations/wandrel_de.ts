<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
   <source>Acetate</source>
   <translation>Folie</translation>
  </message>
  <message>
   <source>Route length</source>
   <translation>Routenlänge</translation>
  </message>
  <message>
   <source>Route length (toolbar)</source>
   <translation>Routenlänge (Werkzeugleiste)</translation>
  </message>
  <message>
   <source>Enclosed area</source>
   <translation>Eingeschlossene Fläche</translation>
  </message>
  <message>
   <source>Scale number</source>
   <translation>Maßstabszahl</translation>
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
   <source>Engineer's Pen</source>
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
 </context>
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
</TS>
