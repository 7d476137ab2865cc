<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AppVersion</name>
    <message>
        <source>Version: %1.%2 - Build %3</source>
        <translation>الإصدار: %1.%2 - البناء %3</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Hours</source>
        <translation>الساعات</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>%1 %2, weight %3</source>
        <extracomment>A lamp&apos;s name for screen readers: &quot;Hours tens, weight 2&quot;; %1 the field, %2 the digit.</extracomment>
        <translation>%1، %2، الوزن %3</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>العشرات</translation>
    </message>
    <message>
        <source>units</source>
        <translation>الآحاد</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>وجه الساعة</translation>
    </message>
    <message>
        <source>Binary clock: hours, minutes and seconds</source>
        <translation>ساعة ثنائية: الساعات والدقائق والثواني</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>أزرق فاتح</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desk clock that shows the time of day in binary-coded decimal.</source>
        <translation>ساعة مكتب تعرض الوقت بالنظام العشري المرمّز ثنائيًا.</translation>
    </message>
</context>
<context>
    <name>FaceDesign</name>
    <message>
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Nimbex menu</source>
        <translation>قائمة Nimbex</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;إظهار</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خ&amp;روج</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>‎الاستخدام:‎ %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[خيارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>خيارات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>يعرض المساعدة بما فيها خيارات Qt الخاصة.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>الخيار ’%1‘ مجهول.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>الخيارات مجهولة: %1.</translation>
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
        <translation>حول Nimbex</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vantrel</source>
        <translation>حقوق النشر © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Online</source>
        <translation>موقع Vantrel</translation>
    </message>
    <message>
        <source>I was bored... go figure...</source>
        <translation>كنت مللت... فكانت هذه النتيجة...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Legal warning</source>
        <translation>تحذير قانوني</translation>
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
        <translation>تحذير: هذا البرنامج محمي بموجب قوانين حقوق<byte value="xd"/>
النشر والمعاهدات الدولية.<byte value="xd"/>
إن نسخ هذا البرنامج أو استخدامه أو توزيعه دون إذن،<byte value="xd"/>
كليًا أو جزئيًا، قد يعرّضك لعقوبات مدنية<byte value="xd"/>
وجنائية صارمة، وستتم الملاحقة القضائية<byte value="xd"/>
إلى أقصى حد يسمح به القانون.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmNimbex</name>
    <message>
        <source>Nimbex - Copyright © 2026 Vantrel</source>
        <translation>Nimbex - حقوق النشر © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Nimbex - DoubleClick to Show</source>
        <translation>Nimbex - انقر نقرًا مزدوجًا للإظهار</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Nimbex Options</source>
        <translation>خيارات Nimbex</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>Cancel &amp;and Close</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>تلميحات</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>0&apos;s &amp;&amp; 1&apos;s</source>
        <translation>الصفر والواحد</translation>
    </message>
</context>
</TS>
