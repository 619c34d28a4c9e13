<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Find your sign in the Iranian (Persian) zodiac.</source>
        <translation>نشان فلکی خود را در طالع‌بینی ایرانی (پارسی) بیابید.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>این راهنما را نشان می‌دهد و پایان می‌یابد.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>نسخه را نشان می‌دهد و پایان می‌یابد.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name of the command line&apos;s one argument, as the help lists it.</extracomment>
        <translation>پرونده</translation>
    </message>
    <message>
        <source>A reading file (.zod) to open.</source>
        <translation>پروندهٔ طالعی (⁨.zod⁩) که باز می‌شود.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]</source>
        <translation>طرز استفاده: ⁨%1⁩ [گزینه‌ها] [پرونده]</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>تنها یک پرونده را می‌توان باز کرد.</translation>
    </message>
</context>
<context>
    <name>DiscussionBoardLink</name>
    <message>
        <source>Discussion board</source>
        <translation>تالار گفت‌وگو</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;راهنمای برخط</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;سر زدن به سایت ما</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>بررسی &amp;به‌روزرسانی نرم‌افزار</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;دربارهٔ نرم‌افزار</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;کمک مالی</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>⁨DISPLAY⁩ و ⁨WAYLAND_DISPLAY⁩ تنظیم نشده‌اند</translation>
    </message>
    <message>
        <source>DISPLAY not set</source>
        <translation>⁨DISPLAY⁩ تنظیم نشده</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY not set</source>
        <translation>⁨WAYLAND_DISPLAY⁩ تنظیم نشده</translation>
    </message>
    <message>
        <source>the display gave no answer for %1 seconds</source>
        <translation>نمایشگر تا %1 ثانیه پاسخی نداد</translation>
    </message>
    <message>
        <source>no display is named</source>
        <translation>نام هیچ نمایشگری داده نشده است</translation>
    </message>
    <message>
        <source>no display could be opened</source>
        <translation>هیچ نمایشگری باز نشد</translation>
    </message>
    <message>
        <source>%1: %2 needs a graphical desktop session, but %3 (%4).
</source>
        <extracomment>%1 the command, %2 the program&apos;s title, %3 what went wrong, %4 the displays tried.</extracomment>
        <translation>⁨%1⁩: %2 به یک نشست میز کار گرافیکی نیاز دارد، اما %3 (⁨%4⁩).
</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>OfferFrame</name>
    <message>
        <source>Fully branded offer</source>
        <translation>پیشنهاد نسخهٔ سراسر به نام شما</translation>
    </message>
    <message>
        <source>Co-brand offer</source>
        <translation>پیشنهاد نام هم‌برند</translation>
    </message>
</context>
<context>
    <name>Parsiva</name>
    <message>
        <source>Please Check The File.</source>
        <translation>لطفاً پرونده را بررسی کنید.</translation>
    </message>
    <message>
        <source>The Reading Could Not Be Saved.</source>
        <translation>ذخیرهٔ طالع ممکن نشد.</translation>
    </message>
    <message>
        <source>The Report Could Not Be Printed.</source>
        <translation>چاپ گزارش ممکن نشد.</translation>
    </message>
    <message>
        <source>Save Your Zodiac Signs Result ....</source>
        <translation>ذخیرهٔ نتیجهٔ نشان فلکی شما ....</translation>
    </message>
    <message>
        <source>Rich Text Format | *.zod</source>
        <translation>قالب متن غنی | *.zod</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>پروندهٔ مبدأ را برگزینید</translation>
    </message>
    <message>
        <source>QX Zodiac Signs (*.zod)|*.zod</source>
        <translation>نشان‌های فلکی QX (*.zod)|*.zod</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>نام: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>تاریخ تولد: </translation>
    </message>
    <message>
        <source>Sun Sign: </source>
        <translation>نشان خورشیدی: </translation>
    </message>
    <message>
        <source>Season: </source>
        <translation>فصل: </translation>
    </message>
    <message>
        <source>God: </source>
        <translation>ایزد: </translation>
    </message>
    <message>
        <source>Sun Sign Description: </source>
        <translation>شرح نشان خورشیدی: </translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>گزارش تهیه‌شده به‌دست ⁨%1⁩</translation>
    </message>
    <message>
        <source>January</source>
        <translation>ژانویه</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فوریه</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>آوریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مه</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ژوئن</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ژوئیه</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اوت</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سپتامبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوامبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسامبر</translation>
    </message>
    <message>
        <source>FARVARDIN (ARIES)</source>
        <translation>فروردین (حمل)</translation>
    </message>
    <message>
        <source>Farvardin</source>
        <translation>فروردین</translation>
    </message>
    <message>
        <source>If you were born between March 21 and April 20, your sign is Farvardin, the first month of the Persian calendar. It is ruled by the deity who shares its name, Farvardin, an offspring of the Farevashi, the guardian spirits who return to the world of the living each spring. Because the month opens the Persian New Year, your sign carries the spirit of fresh beginnings. You have courage to spare and an energy that carries others along with you; people are drawn to your warmth and charm, and you are often the first to step forward when something new must be tried. Be careful, though: your temper is short, and a quick flash of anger can undo in a moment the goodwill you have spent months building.</source>
        <translation>اگر میان ۲۱ مارس و ۲۰ آوریل به دنیا آمده‌اید، نشان شما فروردین است، نخستین ماه گاه‌شماری ایرانی. فرمانروای آن ایزدی هم‌نام خود اوست، فروردین، زادهٔ فروهرها، روان‌های نگهبانی که هر بهار به جهان زندگان بازمی‌گردند. از آن‌جا که این ماه سال نوی ایرانی را می‌گشاید، نشان شما روح آغازهای تازه را در خود دارد. دلیری‌تان بی‌دریغ است و نیرویی دارید که دیگران را هم با خود همراه می‌کند؛ مردم شیفتهٔ گرمی و دلربایی شما می‌شوند و اغلب نخستین کسی هستید که برای آزمودن کاری نو پیش‌قدم می‌شود. با این همه هشیار باشید: زود از کوره در می‌روید، و یک دم خشم می‌تواند حسن‌نیتی را که ماه‌ها برایش کوشیده‌اید در یک آن بر باد دهد.</translation>
    </message>
    <message>
        <source>ORDIBEHESHT (TAURUS)</source>
        <translation>اردیبهشت (ثور)</translation>
    </message>
    <message>
        <source>Asha Vahishta</source>
        <translation>اشه وهیشته</translation>
    </message>
    <message>
        <source>Born between April 21 and May 21, you belong to Ordibehest, the second sign of the Persian year. Its presiding deity is Asha Vahishta, one of the six Amesha Spentas, the god of the noon heat and the guardian of truth and righteousness. Like the steady sun at midday, you hold your course: once you have decided on something, your determination is firm and your patience almost endless. You build slowly, you finish what you start, and friends rely on your calm good sense. The same attachment that makes you so dependable can turn against you, however. Guard against greed and jealousy, and remember that the people you love are not possessions to be held on to.</source>
        <translation>اگر میان ۲۱ آوریل و ۲۱ مه به دنیا آمده‌اید، از آن اردیبهشت هستید، دومین نشان سال ایرانی. ایزد نگهبان آن اشه وهیشته است، یکی از شش امشاسپند، ایزد گرمای نیمروز و نگهبان راستی و درستی. چون خورشید پایدار نیمروز، راه خود را نگه می‌دارید: همین که دربارهٔ چیزی تصمیم بگیرید، عزمتان استوار است و شکیبایی‌تان کمابیش بی‌پایان. آهسته می‌سازید، آنچه را آغاز کرده‌اید به پایان می‌رسانید و دوستانتان به خرد آرام شما تکیه می‌کنند. با این حال همان دلبستگی که شما را چنین درخور اعتماد می‌کند، می‌تواند به زیانتان بچرخد. از آز و رشک بپرهیزید و به یاد داشته باشید که کسانی که دوستشان دارید دارایی‌هایی نیستند که باید در چنگ نگاهشان داشت.</translation>
    </message>
    <message>
        <source>KHORDAD (GEMINI)</source>
        <translation>خرداد (جوزا)</translation>
    </message>
    <message>
        <source>Haurvatat</source>
        <translation>هئوروتات</translation>
    </message>
    <message>
        <source>Those born between May 22 and June 21 fall under Khodard, the third month of the Persian calendar and the last month of spring. Its deity is Haurvatat, the protector of water and the giver of health and wholeness, whose gifts flow as freely as a mountain stream. You share that fluid quality. Your nature is restless and dual, as if two people lived inside you and took turns at the wheel, and this makes you wonderfully versatile: you learn quickly, switch between tasks with ease and can talk with anyone about almost anything. Conversation, letters and ideas are your element. The price of so much movement is a nervous energy that rarely rests, and when a choice must be made you may change your mind again and again before you commit.</source>
        <translation>کسانی که میان ۲۲ مه و ۲۱ ژوئن به دنیا می‌آیند زیر نشان خرداد قرار می‌گیرند، سومین ماه گاه‌شماری ایرانی و واپسین ماه بهار. ایزد آن هئوروتات است، نگهبان آب و بخشندهٔ تندرستی و کمال، که بخشش‌هایش چون جویبار کوهستان روان است. شما نیز از این روانی بهره دارید. سرشتتان ناآرام و دوگانه است، گویی دو تن در درونتان زندگی می‌کنند و به نوبت سکان را به دست می‌گیرند، و همین شما را به گونه‌ای شگفت همه‌کاره می‌کند: زود می‌آموزید، به آسانی از کاری به کار دیگر می‌روید و با هر کسی دربارهٔ کمابیش هر چیزی می‌توانید گفت‌وگو کنید. گفت‌وگو، نامه و اندیشه قلمرو شماست. بهای این همه جنبش نیرویی عصبی است که کمتر آرام می‌گیرد، و هنگامی که باید گزینشی کنید شاید بارها و بارها پیش از آن‌که پایبند شوید نظرتان را دگرگون کنید.</translation>
    </message>
    <message>
        <source>TIR (CANCER)</source>
        <translation>تیر (سرطان)</translation>
    </message>
    <message>
        <source>Tishtrya</source>
        <translation>تیشتریه</translation>
    </message>
    <message>
        <source>If your birthday falls between June 22 and July 22, your sign is Tir, the first month of summer. It is watched over by Tishtrya, the lord of the scribes, whom the ancients compared with the Babylonian Nabu and with the Roman Mercury, and who was also honoured as the protector of rain that ends the summer drought. From this patron you have received the gift of a rich imagination and a sharp intuition; you often sense what others feel before they say a word, and your compassion makes you a natural comforter for friends in trouble. You are happiest when you can create something, whether a home, a story or a garden. Your moods, however, rise and fall like the tides, and those around you may struggle to keep up with them.</source>
        <translation>اگر زادروزتان میان ۲۲ ژوئن و ۲۲ ژوئیه است، نشان شما تیر است، نخستین ماه تابستان. نگهبان آن تیشتریه است، سرور دبیران، که پیشینیان او را با نبوی بابلی و مرکوری رومی سنجیده‌اند و در مقام نگهبان بارانی که خشکسالی تابستان را پایان می‌دهد نیز گرامی می‌داشتند. از این پشتیبان، موهبت خیالی پربار و شهودی تیز به شما رسیده است؛ اغلب پیش از آن‌که دیگران سخنی بگویند احساسشان را درمی‌یابید، و همدلی‌تان شما را دلداری طبیعی برای دوستان گرفتار می‌کند. هنگامی شادترید که بتوانید چیزی بیافرینید، خواه خانه‌ای باشد، خواه داستانی یا باغی. با این همه حال‌وهوایتان چون جزرومد دریا بالا و پایین می‌رود، و اطرافیانتان شاید به دشواری همپای آن شوند.</translation>
    </message>
    <message>
        <source>MORDAD (LEO)</source>
        <translation>مرداد (اسد)</translation>
    </message>
    <message>
        <source>Ameretat</source>
        <translation>امرتات</translation>
    </message>
    <message>
        <source>Born between July 23 and August 22, you are a child of Modard, the second month of the Persian summer. Its presiding deity is Ameretat, the protector of plants and trees and the symbol of immortality, whose care keeps the orchards green through the hottest days of the year. Like the trees in her keeping, you offer shade and shelter to everyone who comes near you. Your generosity is large and sincere, and your warmth lights up a room the moment you walk in; people remember your kindness long after they have forgotten what you said. Yet there is a proud streak in you as well. You like to lead and may try to dominate those around you, and you can be intolerant of views that differ from your own. Learn to listen, and your circle will grow.</source>
        <translation>اگر میان ۲۳ ژوئیه و ۲۲ اوت به دنیا آمده‌اید، فرزند مرداد هستید، دومین ماه تابستان ایرانی. ایزد نگهبان آن امرتات است، نگهبان گیاهان و درختان و نماد بی‌مرگی، که مراقبتش باغ‌ها را در گرم‌ترین روزهای سال سبز نگه می‌دارد. چون درختانی که در پناه اویند، به هر کس که نزدیکتان می‌آید سایه و پناه می‌دهید. بخشندگی‌تان بزرگ و بی‌ریاست، و گرمی‌تان همان دم که به اتاقی پا می‌گذارید آن را روشن می‌کند؛ مردم مهربانی شما را دیرزمانی پس از آن‌که گفته‌هایتان را از یاد برده‌اند به یاد می‌آورند. با این حال رگه‌ای از غرور نیز در شما هست. دوست دارید رهبری کنید و شاید بکوشید بر اطرافیانتان چیره شوید، و ممکن است دیدگاه‌هایی را که با دیدگاه شما فرق دارند برنتابید. شنیدن را بیاموزید تا حلقهٔ یارانتان بزرگ‌تر شود.</translation>
    </message>
    <message>
        <source>SHAHRIVAR (VIRGO)</source>
        <translation>شهریور (سنبله)</translation>
    </message>
    <message>
        <source>Khashtra Vairya</source>
        <translation>خشتره وئیریه</translation>
    </message>
    <message>
        <source>If you were born between August 23 and September 23, your sign is Shahrivar, the last month of the Persian summer. Its deity is Khashtra Vairya, ruler of the sky and lord of metals and precious stones. The name of the month comes from his, and it means &quot;the desirable kingdom&quot; or &quot;the chosen dominion&quot;, the good order that a wise ruler brings to the world. You carry a share of that order within you. You are judicious, weighing every matter carefully before you act, and you are organised to a degree that others envy: your lists are complete, your plans are sound and your accounts balance. You are also deeply practical, preferring what works to what merely looks fine. Beware of fussiness, though; not every detail needs your correction, and a little untidiness does no harm.</source>
        <translation>اگر میان ۲۳ اوت و ۲۳ سپتامبر به دنیا آمده‌اید، نشان شما شهریور است، واپسین ماه تابستان ایرانی. ایزد آن خشتره وئیریه است، فرمانروای آسمان و سرور فلزها و سنگ‌های گران‌بها. نام این ماه از نام او گرفته شده و به معنای «شهریاری آرمانی» یا «فرمانروایی برگزیده» است، همان سامان نیکی که فرمانروایی خردمند به جهان می‌آورد. بهره‌ای از این سامان در درون شماست. سنجیده‌اید و پیش از هر کاری همه‌چیز را با دقت می‌سنجید، و چنان سامان‌مندید که دیگران رشک می‌برند: فهرست‌هایتان کامل است، برنامه‌هایتان استوار و حساب‌هایتان تراز. بسیار اهل عمل نیز هستید و آنچه را کارساز است بر آنچه تنها زیبا می‌نماید برتری می‌دهید. اما از وسواس بپرهیزید؛ هر جزئی نیازمند اصلاح شما نیست، و اندکی نامرتبی زیانی ندارد.</translation>
    </message>
    <message>
        <source>MEHR (LIBRA)</source>
        <translation>مهر (میزان)</translation>
    </message>
    <message>
        <source>Mitrah</source>
        <translation>میترا</translation>
    </message>
    <message>
        <source>Those born between September 24 and October 23 belong to Mehr, the first month of autumn in the Persian calendar. The month is sacred to Mitrah, better known as Mithra, the deity of commitment, contracts and loyalty, whose promises were never broken. Your Western sign is the balanced scale, and balance is what you seek in everything you do: fairness between friends, harmony in your home and beauty in your surroundings. You are romantic at heart and sociable by nature, the kind of person who turns a quiet dinner into a celebration and makes strangers feel welcome. Love matters greatly to you. Take care, however, that your charm does not run ahead of you; you can be too flirtatious for your own good, and your loyal patron asks more of you.</source>
        <translation>کسانی که میان ۲۴ سپتامبر و ۲۳ اکتبر به دنیا می‌آیند از آن مهرند، نخستین ماه پاییز در گاه‌شماری ایرانی. این ماه ویژهٔ میتراست که بیشتر با نام مهر شناخته می‌شود، ایزد پیمان، قرارداد و وفاداری، که هرگز پیمانی نشکست. نشان غربی شما ترازوی هم‌سنگ است، و هم‌سنگی همان چیزی است که در هر کاری می‌جویید: دادگری میان دوستان، هماهنگی در خانه و زیبایی در پیرامونتان. در دل عاشق‌پیشه و به سرشت اجتماعی هستید، از آن کسانی که شامی آرام را به جشنی بدل می‌کنند و غریبه‌ها را خوشامد می‌گویند. عشق برایتان بسیار مهم است. اما بپایید که دلربایی‌تان از خودتان پیشی نگیرد؛ ممکن است بیش از آنچه به سودتان است اهل دلبری باشید، و پشتیبان وفادارتان از شما بیش از این چشم دارد.</translation>
    </message>
    <message>
        <source>ABAN (SCORPIO)</source>
        <translation>آبان (عقرب)</translation>
    </message>
    <message>
        <source>Ap</source>
        <translation>آپ</translation>
    </message>
    <message>
        <source>If you were born between October 24 and November 22, your sign is Aban, the month of the waters. Its deity is Ap, the guardian of all waters, from the rivers to the deepest seas, and it is fitting that your Western counterpart, Scorpio, is also a water sign. Still waters run deep, and so do you. Your feelings are intense, your gaze is steady, and there is a magnetism about you that draws others in even when you say very little. Once you commit to a person or a cause you give it everything. That same depth has a darker side: you can grow possessive of those you love, and your obstinacy may keep you fighting long after a battle is lost.</source>
        <translation>اگر میان ۲۴ اکتبر و ۲۲ نوامبر به دنیا آمده‌اید، نشان شما آبان است، ماه آب‌ها. ایزد آن آپ است، نگهبان همهٔ آب‌ها از رودها تا ژرف‌ترین دریاها، و بجاست که همتای غربی شما، عقرب، نیز نشانی آبی باشد. آب آرام ژرف است، و شما نیز چنین‌اید. احساساتتان پرشور است، نگاهتان استوار، و کششی در شماست که دیگران را به سویتان می‌کشد حتی وقتی سخن اندکی می‌گویید. همین که به کسی یا آرمانی دل ببندید، همه‌چیزتان را پایش می‌گذارید. همین ژرفا روی تاریک‌تری هم دارد: ممکن است دربارهٔ عزیزانتان انحصارطلب شوید، و یک‌دندگی‌تان شاید شما را دیرزمانی پس از باختن نبرد همچنان به جنگیدن وادارد.</translation>
    </message>
    <message>
        <source>AZAR (SAGITTARIUS)</source>
        <translation>آذر (قوس)</translation>
    </message>
    <message>
        <source>Adur</source>
        <translation>آتر</translation>
    </message>
    <message>
        <source>Born between November 23 and December 21, you fall under Azar, the month of fire. It is ruled by Adur, the divinity of fire, who has often been compared with Agni, the fire god of the Hindus, and whose flame burned without rest in the temples of ancient Persia. That flame burns in you too. You are full of energy and meet every challenge with courage and élan, and your honesty is so direct that it can startle people who are used to polite evasions. Friends treasure your loyalty, for you stand by them when others walk away. Your great weakness is over-confidence: sure that you will succeed, you may leap before you look, and a little more caution would save you from many burns.</source>
        <translation>اگر میان ۲۳ نوامبر و ۲۱ دسامبر به دنیا آمده‌اید، زیر نشان آذر هستید، ماه آتش. فرمانروای آن آتر است، ایزد آتش، که او را اغلب با اگنی، خدای آتش هندوان، سنجیده‌اند و شعله‌اش در آتشکده‌های ایران باستان بی‌وقفه می‌سوخت. این شعله در شما نیز می‌سوزد. سرشار از نیرو هستید و با دلیری و شور به پیشواز هر چالشی می‌روید، و راستگویی‌تان چنان بی‌پرده است که کسانی را که به طفره‌های مؤدبانه خو گرفته‌اند شگفت‌زده می‌کند. دوستانتان وفاداری شما را گرامی می‌دارند، زیرا هنگامی که دیگران پشت می‌کنند در کنارشان می‌مانید. بزرگ‌ترین ضعف شما اعتمادبه‌نفس بیش از اندازه است: چون از کامیابی خود مطمئنید، شاید پیش از نگریستن بپرید، و اندکی احتیاط بیشتر شما را از بسیاری سوختگی‌ها در امان می‌داشت.</translation>
    </message>
    <message>
        <source>DEY (CAPRICORN)</source>
        <translation>دی (جدی)</translation>
    </message>
    <message>
        <source>Dadar</source>
        <translation>دادار</translation>
    </message>
    <message>
        <source>If your birthday lies between December 22 and January 20, you are born under the sign of Dadar, the Creator, in the month of Dey, which is devoted to Ahura Mazda himself. It is the heart of winter, when the nights are longest and the fields lie asleep under frost, and people of this sign have learned to thrive when times are hard. You are resourceful and find a way through where others see only walls; your wit is quick and dry and rarely fails you in company; and your will, once set, is very strong. Watch out for a pessimistic turn of mind that always expects the worst, and for a jealousy that can sour your closest bonds.</source>
        <translation>اگر زادروزتان میان ۲۲ دسامبر و ۲۰ ژانویه است، زیر نشان دادار، آفریدگار، به دنیا آمده‌اید، در ماه دی که ویژهٔ خود اهورامزداست. این ماه دل زمستان است، هنگامی که شب‌ها از همیشه بلندترند و کشتزارها زیر یخبندان خفته‌اند، و مردمان این نشان آموخته‌اند که در روزگار سخت شکوفا شوند. کاردان هستید و آن‌جا که دیگران تنها دیوار می‌بینند راهی می‌یابید؛ شوخ‌طبعی‌تان تند و خشک است و در جمع کمتر شما را تنها می‌گذارد؛ و اراده‌تان، همین که بر چیزی قرار گیرد، بسیار نیرومند است. از گرایشی بدبینانه که همیشه چشم به راه بدترین است، و از رشکی که می‌تواند نزدیک‌ترین پیوندهایتان را تلخ کند، بپرهیزید.</translation>
    </message>
    <message>
        <source>BAHMAN (AQUARIUS)</source>
        <translation>بهمن (دلو)</translation>
    </message>
    <message>
        <source>Vohu Manah</source>
        <translation>وهومنه</translation>
    </message>
    <message>
        <source>Born between January 21 and February 19, you belong to Bahman, the second month of the Persian winter. Its deity is Vohu Manah, the spirit of the good mind and the protector of all creatures, from the animals of the field to the birds of the air. Something of his kindness shows in the way you care for every living thing. You are exuberant and talkative, never short of an opinion or a story, and your intelligence lets you see connections that others miss. Above all you are idealistic: you dream of a fairer and better world and will gladly work long hours to bring it about. Just keep one foot on the ground, so that your grand visions can take root.</source>
        <translation>اگر میان ۲۱ ژانویه و ۱۹ فوریه به دنیا آمده‌اید، از آن بهمن هستید، دومین ماه زمستان ایرانی. ایزد آن وهومنه است، روان اندیشهٔ نیک و نگهبان همهٔ آفریدگان، از جانوران دشت تا پرندگان آسمان. پرتوی از مهربانی او در شیوه‌ای که از هر جانداری پرستاری می‌کنید پیداست. سرزنده و پرحرف هستید، هرگز بی‌نظر یا بی‌داستان نمی‌مانید، و هوشتان به شما امکان می‌دهد پیوندهایی را ببینید که از چشم دیگران پنهان می‌ماند. از همه مهم‌تر آرمان‌گرا هستید: جهانی دادگرانه‌تر و بهتر را در سر می‌پرورانید و با خرسندی ساعت‌ها کار می‌کنید تا آن را پدید آورید. تنها یک پایتان را بر زمین نگه دارید تا رؤیاهای بزرگتان ریشه بدوانند.</translation>
    </message>
    <message>
        <source>ESFAND (PISCES)</source>
        <translation>اسفند (حوت)</translation>
    </message>
    <message>
        <source>Spenta Armaiti</source>
        <translation>سپنته آرمئیتی</translation>
    </message>
    <message>
        <source>Esfand, the last month of the Persian year, closes the winter and leads the world towards the New Year. It belongs to the goddess Spenta Armaiti, the protector of nature and of the earth, and the patron of merchants and farmers, whose labour depends on her favour; the Greeks would have recognised her in Demeter, the mother of the harvest. If this is your sign, you share her tender heart. Your compassion is boundless and your sensitivity lets you feel the joys and sorrows of others as if they were your own. Artists, healers and dreamers are often born in this month. Yet your trusting nature makes you gullible, easily led by those who mean you no good, and without a clear goal you may drift from one path to the next.</source>
        <translation>اسفند، واپسین ماه سال ایرانی، زمستان را به پایان می‌برد و جهان را به سوی سال نو رهنمون می‌شود. این ماه از آن ایزدبانو سپنته آرمئیتی است، نگهبان طبیعت و زمین، و پشتیبان بازرگانان و کشاورزان که کارشان به لطف او بسته است؛ یونانیان او را در دمتر، مادر خرمن، بازمی‌شناختند. اگر این نشان شماست، در دل مهربان او شریک هستید. همدلی‌تان بی‌کران است و حساسیتتان به شما امکان می‌دهد شادی‌ها و اندوه‌های دیگران را چنان حس کنید که گویی از آن خودتان است. هنرمندان، درمانگران و رؤیاپردازان اغلب در این ماه به دنیا می‌آیند. با این همه، سرشت زودباورتان شما را ساده‌لوح می‌کند و به آسانی فریب کسانی را می‌خورید که خیر شما را نمی‌خواهند، و بی هدفی روشن شاید از راهی به راه دیگر سرگردان شوید.</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>بهار</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>تابستان</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>پاییز</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>زمستان</translation>
    </message>
    <message>
        <source>Velmora Forums is the best online discussion board for astrology, tarot and the occult on the web. Visit our site now!</source>
        <translation>تالار گفت‌وگوی Velmora Forums بهترین تالار گفت‌وگوی برخط وب دربارهٔ طالع‌بینی، تاروت و علوم خفیه است. همین حالا به سایت ما سر بزنید!</translation>
    </message>
    <message>
        <source>Want this software co-branded for your own web site? Your site&apos;s name and a link to it can be shown here, in this place. See Help for the details, or click here for more information.</source>
        <translation>می‌خواهید این نرم‌افزار با نام سایت خودتان هم عرضه شود؟ نام سایت شما و پیوندی به آن می‌تواند همین‌جا، در همین جایگاه، نشان داده شود. برای جزئیات به راهنما بنگرید، یا برای آگاهی بیشتر اینجا کلیک کنید.</translation>
    </message>
    <message>
        <source>Home business offer: start your own Internet business and make money online by getting this software fully branded for your web site.</source>
        <translation>پیشنهاد کسب‌وکار خانگی: با گرفتن نسخه‌ای از این نرم‌افزار که سراسر به نام سایت شما باشد، کسب‌وکار اینترنتی خودتان را راه بیندازید و از اینترنت درآمد داشته باشید.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 برای جزئیات بیشتر اینجا کلیک کنید.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>برای دیدن ⁨%1⁩ اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>برای دیدن ⁨%1⁩ همین حالا اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>Programs like this one exist only because of the support of their users. The best way to support us is to visit the Velmora Forums discussion board regularly and to take part in its discussions and activities. Thank you!</source>
        <translation>برنامه‌هایی مانند این تنها به پشتوانهٔ کاربرانشان پابرجا می‌مانند. بهترین راه پشتیبانی از ما این است که همواره به تالار گفت‌وگوی Velmora Forums سر بزنید و در گفت‌وگوها و فعالیت‌هایش شرکت کنید. سپاسگزاریم!</translation>
    </message>
    <message>
        <source>Please visit the Velmora Forums discussion board regularly and support it by taking part. Without your visits we cannot go on supporting and maintaining programs like this one, so do drop by and join in today.</source>
        <translation>لطفاً همواره به تالار گفت‌وگوی Velmora Forums سر بزنید و با شرکت در آن پشتیبانش باشید. بی دیدارهای شما نمی‌توانیم به پشتیبانی و نگهداری برنامه‌هایی مانند این ادامه دهیم؛ پس همین امروز سری بزنید و به ما بپیوندید.</translation>
    </message>
    <message>
        <source>Velmora Forums is a free online discussion forum on astrology. Visiting it regularly helps us develop and maintain this program, so please come by often.</source>
        <translation>تالار گفت‌وگوی Velmora Forums انجمنی رایگان و برخط دربارهٔ طالع‌بینی است. سر زدن همیشگی به آن به ما کمک می‌کند این برنامه را گسترش دهیم و نگه داریم؛ پس لطفاً بسیار سر بزنید.</translation>
    </message>
    <message>
        <source>Velmora Forums needs your help! By visiting the discussion board regularly and taking part in it, you let us maintain this program and develop many more programs like it. See you there soon.</source>
        <translation>تالار گفت‌وگوی Velmora Forums به کمک شما نیاز دارد! با سر زدن همیشگی به آن و شرکت در گفت‌وگوهایش، به ما امکان می‌دهید این برنامه را نگه داریم و برنامه‌های بسیار دیگری مانند آن بسازیم. به زودی آن‌جا می‌بینیمتان.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>نشانی ایمیل نمی‌تواند فاصله داشته باشد</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>لطفاً نشانی‌های ایمیل متفاوت وارد کنید</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>لطفاً نشانی ایمیل درستی وارد کنید</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>لطفاً نام خود را وارد کنید</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>لطفاً ایمیل خود را وارد کنید</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>لطفاً پیام خود را وارد کنید</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>لطفاً نام دوستتان را وارد کنید</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>لطفاً ایمیل دوستتان را وارد کنید</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>شاید نسخهٔ تازه‌ای از این نرم‌افزار آمده باشد<byte value="xd"/>می‌خواهید به‌روزرسانی را بررسی کنید؟</translation>
    </message>
    <message>
        <source>Parsiva</source>
        <translation>پارسیوا</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation>%1 نسخهٔ %2</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>برنامه هم‌اکنون در حال اجراست</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>لطفاً روز یا ماه درست را وارد کنید!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>لطفاً روز یا ماه درست را وارد کنید!</translation>
    </message>
    <message>
        <source>The name does not end in zod.</source>
        <translation>نام پرونده به ⁨zod⁩ پایان نمی‌یابد.</translation>
    </message>
    <message>
        <source>This is a folder or a device, not a file.</source>
        <translation>این یک پوشه یا دستگاه است، نه پرونده.</translation>
    </message>
    <message>
        <source>This is not a reading file.</source>
        <translation>این پروندهٔ طالع نیست.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>این پوشه وجود ندارد.</translation>
    </message>
    <message>
        <source>Files cannot be saved in this folder.</source>
        <translation>در این پوشه نمی‌توان پرونده ذخیره کرد.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>این پرونده فقط‌خواندنی است.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>⁨%1⁩: %2</translation>
    </message>
    <message>
        <source>No printer is set up.</source>
        <translation>هیچ چاپگری راه‌اندازی نشده است.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Title</source>
        <translation>عنوان</translation>
    </message>
    <message>
        <source>Parsiva is an interactive astrological program that tells you your Iranian astrology sign and the personality traits that come with it from your date of birth. Enter your name and birthday, and Parsiva finds your place in the Persian zodiac.</source>
        <translation>پارسیوا برنامه‌ای تعاملی در طالع‌بینی است که از روی تاریخ تولدتان نشان طالع ایرانی شما و ویژگی‌های شخصیتی همراه آن را به شما می‌گوید. نام و زادروزتان را وارد کنید تا پارسیوا جایگاه شما را در منطقةالبروج ایرانی بیابد.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>شرح</translation>
    </message>
    <message>
        <source>Offer</source>
        <translation>پیشنهاد</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>برای جزئیات بیشتر اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>جزئیات بیشتر</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>صفحهٔ خانگی</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Title</source>
        <translation>عنوان</translation>
    </message>
    <message>
        <source>Appeal</source>
        <translation>درخواست</translation>
    </message>
    <message>
        <source>Visit the home page</source>
        <translation>دیدن صفحهٔ خانگی</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>معرفی به دوستان</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>نام شما</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>نشانی ایمیل شما</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>نام دوستتان</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>نشانی ایمیل دوستتان</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>پیام</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;همین حالا به دوستی معرفی کنید</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>دریافت برنامه‌های Velmora Softwares</translation>
    </message>
    <message>
        <source>If you enjoyed using this program, you will also enjoy the many other programs that Velmora Softwares has to offer. Our catalogue holds programs on astrology, psychic readings, tarot, numerology and the occult, written for everyone who is curious about the hidden side of life. Like this one, every one of our programs is simple to install, easy to learn and fun to use: there is nothing to set up, no long manual to read and no special knowledge needed. Try a tarot spread, work out your life path number, look up your stars or explore an ancient oracle. Click the link below to see the whole collection and download your favourites.</source>
        <translation>اگر از این برنامه لذت برده‌اید، از برنامه‌های بسیار دیگری هم که Velmora Softwares عرضه می‌کند لذت خواهید برد. فهرست ما برنامه‌هایی دربارهٔ طالع‌بینی، پیشگویی، تاروت، علم اعداد و علوم خفیه دارد که برای همهٔ کسانی نوشته شده‌اند که دربارهٔ روی پنهان زندگی کنجکاوند. همهٔ برنامه‌های ما مانند همین یکی به سادگی نصب می‌شوند، آسان آموخته می‌شوند و کار با آن‌ها لذت‌بخش است: چیزی برای تنظیم کردن نیست، دفترچهٔ راهنمای بلندی برای خواندن نیست و به دانش ویژه‌ای نیاز ندارید. فال تاروت بگیرید، عدد مسیر زندگی‌تان را به دست آورید، ستارگانتان را بنگرید یا پیشگویی باستانی را بکاوید. برای دیدن همهٔ مجموعه و دریافت برنامه‌های دلخواهتان روی پیوند زیر کلیک کنید.</translation>
    </message>
    <message>
        <source>Other programs</source>
        <translation>برنامه‌های دیگر</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>برای دیدن Velmora Softwares اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>Velmora Softwares</source>
        <translation>پیوند Velmora Softwares</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>پیام شما</translation>
    </message>
</context>
<context>
    <name>frmIranianAstrologyResult</name>
    <message>
        <source>Parsiva Result</source>
        <translation>نتیجهٔ پارسیوا</translation>
    </message>
    <message>
        <source>Iranian Astrology Sign</source>
        <translation>نشان طالع ایرانی</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>فصل</translation>
    </message>
    <message>
        <source>God</source>
        <translation>ایزد</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>شرح</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;چاپ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;بازگشت</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;پرونده</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;درآمد از اینترنت</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Parsiva gives your Iranian astrology sign based on your date of birth. Just enter your date of birth and get your reading!</source>
        <translation>پارسیوا از روی تاریخ تولدتان نشان طالع ایرانی شما را می‌گوید. کافی است تاریخ تولدتان را وارد کنید و طالع خود را ببینید!</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>مشخصات فردی</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>تاریخ تولد</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>&amp;Find My Iranian Astrology Sign</source>
        <translation>&amp;پیدا کردن نشان طالع ایرانی من</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;باز کردن طالعی که پیش‌تر ذخیره شده</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;پرونده</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;درآمد از اینترنت</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Report</source>
        <translation>گزارش</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;ذخیره</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;چاپ</translation>
    </message>
</context>
</TS>
