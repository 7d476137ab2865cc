<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AppVersion</name>
    <message>
        <source>Version: %1.%2 - Build %3</source>
        <translation>גרסה: %1.%2 - בנייה %3</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Hours</source>
        <translation>שעות</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>דקות</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>שניות</translation>
    </message>
    <message>
        <source>%1 %2, weight %3</source>
        <extracomment>A lamp&apos;s name for screen readers: &quot;Hours tens, weight 2&quot;; %1 the field, %2 the digit.</extracomment>
        <translation>%1, %2, משקל %3</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>עשרות</translation>
    </message>
    <message>
        <source>units</source>
        <translation>יחידות</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>לוח השעון</translation>
    </message>
    <message>
        <source>Binary clock: hours, minutes and seconds</source>
        <translation>שעון בינארי: שעות, דקות ושניות</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>תכלת</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desk clock that shows the time of day in binary-coded decimal.</source>
        <translation>שעון שולחני שמציג את השעה בקוד עשרוני מקודד בינארית.</translation>
    </message>
</context>
<context>
    <name>FaceDesign</name>
    <message>
        <source>Full Screen</source>
        <translation>מסך מלא</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>הסתרה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>Nimbex menu</source>
        <translation>תפריט Nimbex</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>ה&amp;צגה</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;אפשרויות</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>י&amp;ציאה</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>שימוש: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[אפשרויות]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>הצגת עזרה על אפשרויות שורת הפקודה.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>הצגת עזרה כולל אפשרויות ייחודיות ל־Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>הצגת פרטי הגרסה.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>האפשרות &apos;%1&apos; אינה מוכרת.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>אפשרויות לא מוכרות: %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Nimbex</source>
        <translation>על אודות Nimbex</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vantrel</source>
        <translation>זכויות יוצרים © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Online</source>
        <translation>Vantrel ברשת</translation>
    </message>
    <message>
        <source>I was bored... go figure...</source>
        <translation>השתעממתי... לך תבין...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Legal warning</source>
        <translation>אזהרה משפטית</translation>
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
        <translation>אזהרה: תוכנת מחשב זו מוגנת בחוקי זכויות יוצרים<byte value="xd"/>
ובאמנות בין־לאומיות.<byte value="xd"/>
העתקה, שימוש או הפצה של תוכנה זו, או של חלק<byte value="xd"/>
ממנה, ללא אישור, עלולים לגרור עונשים אזרחיים<byte value="xd"/>
ופליליים חמורים, והמפרים יועמדו לדין במלוא<byte value="xd"/>
החומרה המותרת על פי החוק.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmNimbex</name>
    <message>
        <source>Nimbex - Copyright © 2026 Vantrel</source>
        <translation>Nimbex - זכויות יוצרים © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Nimbex - DoubleClick to Show</source>
        <translation>Nimbex - לחיצה כפולה להצגה</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>רגיל</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Nimbex Options</source>
        <translation>אפשרויות Nimbex</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>צבע:</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>שמירה וסגירה</translation>
    </message>
    <message>
        <source>Cancel &amp;and Close</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>About</source>
        <translation>על אודות</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>שליף</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>0&apos;s &amp;&amp; 1&apos;s</source>
        <translation>אפסים ואחדות</translation>
    </message>
</context>
</TS>
