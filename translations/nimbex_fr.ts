<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppVersion</name>
    <message>
        <source>Version: %1.%2 - Build %3</source>
        <translation>Version&#xa0;: %1.%2 - build %3</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>%1 %2, weight %3</source>
        <extracomment>A lamp&apos;s name for screen readers: &quot;Hours tens, weight 2&quot;; %1 the field, %2 the digit.</extracomment>
        <translation>%1, %2, poids %3</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dizaines</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unités</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>Cadran</translation>
    </message>
    <message>
        <source>Binary clock: hours, minutes and seconds</source>
        <translation>Horloge binaire&#xa0;: heures, minutes et secondes</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Bleu clair</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desk clock that shows the time of day in binary-coded decimal.</source>
        <translation>Une horloge de bureau qui affiche l&apos;heure en décimal codé binaire.</translation>
    </message>
</context>
<context>
    <name>FaceDesign</name>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Nimbex menu</source>
        <translation>Menu de Nimbex</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Afficher les informations de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Nimbex</source>
        <translation>À propos de Nimbex</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vantrel</source>
        <translation>Copyright © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Online</source>
        <translation>Vantrel en ligne</translation>
    </message>
    <message>
        <source>I was bored... go figure...</source>
        <translation>Je m&apos;ennuyais... allez comprendre...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Legal warning</source>
        <translation>Avertissement légal</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by<byte value="xd"/>
copyright laws and by international treaties.<byte value="xd"/>
Unauthorized copying, use, or distribution of this<byte value="xd"/>
program, or of any part of it, may result in severe<byte value="xd"/>
civil and criminal penalties, and will be prosecuted<byte value="xd"/>
to the fullest extent possible under the law.<byte value="xd"/>
</source>
        <extracomment>Six lines, each ending in CR LF.</extracomment>
        <translation>Avertissement&#xa0;: ce programme est protégé par les lois<byte value="xd"/>
sur le droit d&apos;auteur et par des traités internationaux.<byte value="xd"/>
Toute copie, utilisation ou distribution non autorisée<byte value="xd"/>
de ce programme, en tout ou en partie, expose à de<byte value="xd"/>
lourdes sanctions civiles et pénales, et fera l&apos;objet<byte value="xd"/>
de poursuites dans toute la mesure permise par la loi.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmNimbex</name>
    <message>
        <source>Nimbex - Copyright © 2026 Vantrel</source>
        <translation>Nimbex - Copyright © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Nimbex - DoubleClick to Show</source>
        <translation>Nimbex - Double-cliquez pour afficher</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Nimbex Options</source>
        <translation>Options de Nimbex</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Enregistrer et fermer</translation>
    </message>
    <message>
        <source>Cancel &amp;and Close</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>Antisèche</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>0&apos;s &amp;&amp; 1&apos;s</source>
        <translation>Les 0 et les 1</translation>
    </message>
</context>
</TS>
