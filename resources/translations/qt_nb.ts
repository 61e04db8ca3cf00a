<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fant ikke mappen.
Kontroller at du har oppgitt riktig mappenavn.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fant ikke filen.
Kontroller at du har oppgitt riktig filnavn.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mappe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Gi nytt navn</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» er skrivebeskyttet.
Vil du slette den likevel?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Er du sikker på at du vil slette «%1»?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Bytt til detaljvisning</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Bytt til listevisning</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Kunne ikke slette mappen.</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Opprett en ny mappe</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Opprett ny mappe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detaljvisning</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fil&amp;navn:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Filtype:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fram</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå fram</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå til overordnet mappe</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Liste over steder og bokmerker</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listevisning</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Søk i:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Overordnet mappe</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Nylig brukte steder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Vis &amp;skjulte filer</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidestolpe</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Datamaskin</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Sist endret</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Stasjon</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Snarvei</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nei til a&amp;lt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standard</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lagre alle</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja til &amp;alt</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Lukk uten å lagre</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopier &amp;lenkeadresse</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Merk alt</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Trinn opp</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Trinn &amp;ned</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Nederst</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Venstre kant</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Side ned</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Side til venstre</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Side til høyre</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Side opp</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Høyre kant</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Rull ned</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Rull hit</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Rull til høyre</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Øverst</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 finnes allerede.
Vil du skrive over den?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 har ikke riktig form. Skill sider og sideområder med «,», angi et sideområde med «-», og pass på at sideområdene ikke overlapper hverandre.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 er en mappe.
Velg et annet filnavn.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Valg &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Valg &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1 × 1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4 × 4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2 × 1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2 × 2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2 × 3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3 × 3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alle sider</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bunn til topp – venstre til høyre</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bunn til topp – høyre til venstre</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Konflikt ved tosidig utskrift</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Partallssider</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Du har ikke skrivetilgang til %1.
Velg et annet filnavn.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ugyldig sideangivelse</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Venstre til høyre – bunn til topp</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Venstre til høyre – topp til bunn</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Oddetallssider</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Valgene «Sider per ark» og «Sidesett» kan ikke brukes sammen.
Slå av ett av dem.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Skriv ut til fil (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Skriv ut til fil …</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Høyre til venstre – bunn til topp</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Høyre til venstre – topp til bunn</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Innstillingene for tosidig utskrift er i konflikt. Vil du rette dem?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Topp til bunn – venstre til høyre</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Topp til bunn – høyre til venstre</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Skriv til PDF-fil</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Første side</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Tilpass til siden</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Tilpass til bredden</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Siste side</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Neste side</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Forrige side</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Vis motstående sider</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Vis oversikt over alle sidene</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Vis én side</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Forstørr</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Forminsk</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>bottom margin</source>
        <translation>bunnmarg</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egendefinert</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Høyde:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Tommer (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>venstremarg</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marger</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Retning</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sider på arket</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Siderekkefølge:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Sidestørrelse:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Sider per ark:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Papirkilde:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Punkter (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Omvendt liggende</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Omvendt stående</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>høyremarg</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>toppmarg</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredde:</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Noen av valgene er i konflikt. Rett dem.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Konflikt i avanserte valg</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Jobbvalg</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Konflikt i sideoppsettet</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Skriveregenskaper</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Valgene i sideoppsettet er i konflikt. Vil du rette dem?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Noen avanserte valg er i konflikt. Vil du rette dem?</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Sorter</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Fargemodus</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Eksemplarer</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Eksemplarer:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Denne siden</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tosidig utskrift</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråtoner</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Innbinding på langsiden</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Utskriftsvalg</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sidesett:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Sider fra</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Skriv ut alle</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Utskriftsområde</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Baklengs</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Innbinding på kortsiden</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Angi sider eller sideområder med komma mellom. Et sideområde er to sidetall med bindestrek mellom. «3,5-7,9» skriver for eksempel ut sidene 3, 5, 6, 7 og 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>til</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Plassering:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Utfil:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvis</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skriver</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Bannersider</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Faktureringsinformasjon:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Gradert</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidensielt</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dag (06:00 til 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Slutt:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Hold tilbake på ubestemt tid</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Jobbkontroll</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Jobbprioritet:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natt (18:00 til 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Skriv ut straks</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Planlagt utskrift:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Andre skift (16:00 til 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Hemmelig</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Bestemt tidspunkt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tredje skift (00:00 til 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strengt hemmelig</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Ugradert</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Helg (lørdag og søndag)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Autentisering kreves</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Det kreves autentisering for å bruke %1 på %2.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Det kreves autentisering for å bruke %1.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Brukernavn:</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 tommer</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 – ekstra</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 – ekstra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 – pluss</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 – lite</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 – ekstra</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arkitekt A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arkitekt B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arkitekt C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arkitekt D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arkitekt E</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 – ekstra</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egendefinert</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Egendefinert (%1 × %2 CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Egendefinert (%1 × %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Egendefinert (%1 × %2 tommer)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Egendefinert (%1 × %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Egendefinert (%1 × %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Egendefinert (%1 × %2 punkter)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dobbelt postkort</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Konvolutt B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Konvolutt B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Konvolutt B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Konvolutt C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Konvolutt C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Konvolutt C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Konvolutt C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Konvolutt C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Konvolutt C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Konvolutt C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Konvolutt C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Konvolutt C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Konvolutt Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Konvolutt Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Konvolutt DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Konvolutt Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Konvolutt Italia</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Konvolutt Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Konvolutt Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Konvolutt Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Konvolutt Personal</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Konvolutt PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Konvolutt PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Konvolutt PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Konvolutt PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Konvolutt PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Konvolutt PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Konvolutt PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Konvolutt PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Konvolutt PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Konvolutt PRC 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Konvolutt US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Konvolutt US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Konvolutt US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Konvolutt US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Konvolutt US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Konvolutt You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 tommer)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 tommer)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Listepapir (Tyskland) (8,5 × 12 tommer)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Listepapir (Tyskland, Legal) (8,5 × 13 tommer)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Listepapir (USA) (14,875 × 11 tommer)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (21 × 33 cm)</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal – ekstra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter – ekstra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter – pluss</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter – lite</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postkort</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K – stort</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid – ekstra</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rull til høyre</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>Usann</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Åpne listen over valg</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sann</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Decrease</source>
        <translation>Reduser</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Reduserer verdien</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Går en side tilbake</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Går til neste side</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Øk</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Øker verdien</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Neste side</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Trykk</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Forrige side</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rull ned</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rull til høyre</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Ruller ned</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Ruller til venstre</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Ruller til høyre</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Ruller opp</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Sett fokus</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Setter fokus</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>Vis meny</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Viser menyen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Slå av/på</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Slår av eller på</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Utløser handlingen</translation>
    </message>
</context>
<context>
    <name>QSpiAccessibleBridge</name>
    <message>
        <source>alert message</source>
        <translation>varselmelding</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animasjon</translation>
    </message>
    <message>
        <source>application</source>
        <translation>program</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>veiviser</translation>
    </message>
    <message>
        <source>button menu</source>
        <translation>menyknapp</translation>
    </message>
    <message>
        <source>button with drop down</source>
        <translation>nedtrekksknapp</translation>
    </message>
    <message>
        <source>button with drop down grid</source>
        <translation>knapp med rutenett</translation>
    </message>
    <message>
        <source>canvas</source>
        <translation>lerret</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>celle</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>diagram</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>avkrysningsboks</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>klokke</translation>
    </message>
    <message>
        <source>color chooser</source>
        <translation>fargevelger</translation>
    </message>
    <message>
        <source>column</source>
        <translation>kolonne</translation>
    </message>
    <message>
        <source>column header</source>
        <translation>kolonneoverskrift</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>kombinasjonsboks</translation>
    </message>
    <message>
        <source>complementary content</source>
        <translation>tilleggsinnhold</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>markør</translation>
    </message>
    <message>
        <source>desktop</source>
        <translation>skrivebord</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>dreieknapp</translation>
    </message>
    <message>
        <source>dialog</source>
        <translation>dialogvindu</translation>
    </message>
    <message>
        <source>document</source>
        <translation>dokument</translation>
    </message>
    <message>
        <source>equation</source>
        <translation>formel</translation>
    </message>
    <message>
        <source>filler</source>
        <translation>fyll</translation>
    </message>
    <message>
        <source>footer</source>
        <translation>bunntekst</translation>
    </message>
    <message>
        <source>form</source>
        <translation>skjema</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>ramme</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>bilde</translation>
    </message>
    <message>
        <source>grip</source>
        <translation>håndtak</translation>
    </message>
    <message>
        <source>heading</source>
        <translation>overskrift</translation>
    </message>
    <message>
        <source>help balloon</source>
        <translation>hjelpeboble</translation>
    </message>
    <message>
        <source>hotkey field</source>
        <translation>hurtigtastfelt</translation>
    </message>
    <message>
        <source>indicator</source>
        <translation>indikator</translation>
    </message>
    <message>
        <source>invalid role</source>
        <translation>ugyldig rolle</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etikett</translation>
    </message>
    <message>
        <source>layered pane</source>
        <translation>lagdelt rute</translation>
    </message>
    <message>
        <source>link</source>
        <translation>lenke</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>list item</source>
        <translation>listeelement</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>menylinje</translation>
    </message>
    <message>
        <source>menu item</source>
        <translation>menyvalg</translation>
    </message>
    <message>
        <source>note</source>
        <translation>merknad</translation>
    </message>
    <message>
        <source>notification</source>
        <translation>varsel</translation>
    </message>
    <message>
        <source>page tab</source>
        <translation>fane</translation>
    </message>
    <message>
        <source>page tab list</source>
        <translation>faneliste</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>panel</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>avsnitt</translation>
    </message>
    <message>
        <source>popup menu</source>
        <translation>sprettoppmeny</translation>
    </message>
    <message>
        <source>progress bar</source>
        <translation>framdriftsindikator</translation>
    </message>
    <message>
        <source>property page</source>
        <translation>egenskapsside</translation>
    </message>
    <message>
        <source>push button</source>
        <translation>knapp</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>radioknapp</translation>
    </message>
    <message>
        <source>row</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>row header</source>
        <translation>radoverskrift</translation>
    </message>
    <message>
        <source>scroll bar</source>
        <translation>rullefelt</translation>
    </message>
    <message>
        <source>section</source>
        <translation>seksjon</translation>
    </message>
    <message>
        <source>separator</source>
        <translation>skillelinje</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>glidebryter</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>lyd</translation>
    </message>
    <message>
        <source>space</source>
        <translation>mellomrom</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>tallboks</translation>
    </message>
    <message>
        <source>splitter</source>
        <translation>deler</translation>
    </message>
    <message>
        <source>status bar</source>
        <translation>statuslinje</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tabell</translation>
    </message>
    <message>
        <source>terminal</source>
        <translation>terminal</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>text caret</source>
        <translation>skrivemerke</translation>
    </message>
    <message>
        <source>title bar</source>
        <translation>tittellinje</translation>
    </message>
    <message>
        <source>tool bar</source>
        <translation>verktøylinje</translation>
    </message>
    <message>
        <source>tool tip</source>
        <translation>verktøytips</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>tree item</source>
        <translation>treelement</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ukjent</translation>
    </message>
    <message>
        <source>web document</source>
        <translation>nettdokument</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
</TS>
