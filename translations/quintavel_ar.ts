<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DisplayPlatform</name>
    <message>
        <location filename="../src/platform/linux/displayplatform.cpp" line="+49"/>
        <source>the X display (DISPLAY is not set)</source>
        <translation>شاشة X (المتغير DISPLAY غير مضبوط)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the X display %1</source>
        <extracomment>%1 is the name of an X display, such as :5.</extracomment>
        <translation>شاشة X %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland socket %1</source>
        <extracomment>%1 is the path of a Wayland socket.</extracomment>
        <translation>مقبس Wayland %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Wayland socket %1 (XDG_RUNTIME_DIR is not set)</source>
        <translation>مقبس Wayland %1 (المتغير XDG_RUNTIME_DIR غير مضبوط)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source> or </source>
        <extracomment>Joins the places or platforms of the line that says why no window can be shown.</extracomment>
        <translation> أو </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 names one or more places, such as &quot;the X display :5&quot;, joined by &quot; or &quot;.</extracomment>
        <translation>تعذّر الوصول إلى %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start the platform %1</source>
        <extracomment>%1 names one or more platforms of Qt, each in double quotes.</extracomment>
        <translation>تعذّر تشغيل المنصة %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: no window can be shown: %2</source>
        <extracomment>A line on the terminal when start-up finds no display: %1 is the program&apos;s name, %2 why no window can be shown.</extracomment>
        <translation>%1: لا يمكن عرض أي نافذة: %2</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <location filename="../src/outreach/frmfarewell.cpp" line="+115"/>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>A message box: the refer-a-friend form holds the same address for the user and the friend.</extracomment>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Proper Email Address</source>
        <extracomment>A message box: an address of the refer-a-friend form lacks &quot;@&quot; or &quot;.&quot;.</extracomment>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>A message box: the user typed a space in an e-mail address box.</extracomment>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/reading/frmmain.cpp" line="+91"/>
        <source>Please Enter Only Alphabet</source>
        <extracomment>A message box: the user typed a key the name box refuses. In a translation the box takes the letters of every script and spaces; digits, punctuation and symbols are refused.</extracomment>
        <translation>يُرجى إدخال حروف فقط</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Please Enter Your Name</source>
        <extracomment>A message box: the name box is empty when the user asks for a reading.</extracomment>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <location filename="../src/app/frmstartup.cpp" line="+33"/>
        <source>Application is already running</source>
        <extracomment>A message box: the user started the program while it runs already.</extracomment>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
</context>
<context>
    <name>FruitCatalogue</name>
    <message>
        <location filename="../src/reading/fruitcatalogue.cpp" line="+15"/>
        <source>Apple</source>
        <translation>تفاح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Banana</source>
        <translation>موز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Grapes</source>
        <translation>عنب أسود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherry</source>
        <translation>كرز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coconut</source>
        <translation>جوز الهند</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custard Apple</source>
        <translation>قشطة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mango</source>
        <translation>مانجو</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>برتقال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paneapple</source>
        <extracomment>The pineapple. &quot;Paneapple&quot; is how the English display has always spelled it; use the ordinary word of your language.</extracomment>
        <translation>أناناس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papaya</source>
        <translation>بابايا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>خوخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pear</source>
        <translation>كمثرى</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/app/translations.cpp" line="+19"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written from left to right, &quot;RTL&quot; for one written from right to left, such as Arabic.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <location filename="../src/resources/texts.cpp" line="+20"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has its own personality, and the one you pick tells you about your inner self as well as the outer self that others see.</source>
        <extracomment>The main window&apos;s introduction: bold, centred, in a box 483 pixels wide that holds three lines.</extracomment>
        <translation>يكشف لك Quintavel المزيد عن شخصيتك من خلال اختيارك للفاكهة. لكل فاكهة شخصيتها الخاصة، واختيارك يحدّثك عن ذاتك الداخلية وعن ذاتك الخارجية التي يراها الآخرون.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Co-brand this software for your site.  Put your site name &amp;&amp; link in it and share it with your visitors.    See the Help file for full details.  Click Here for more info on co-branding.</source>
        <extracomment>An offer to put the program on one&apos;s own web site, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; the runs of spaces only part its sentences.</extracomment>
        <translation>خصّص هذا البرنامج باسم موقعك.  ضع فيه اسم موقعك &amp;&amp; رابطه وشاركه مع زوارك.  التفاصيل الكاملة في ملف المساعدة.  انقر هنا لمعرفة المزيد عن التخصيص.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>An offer of a copy of the program under one&apos;s own name, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide.</extracomment>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واربح المال. احصل على هذا البرنامج باسم موقعك وعلامته بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has it own personality that is reflected in the choice of the person. This software is owned by Vellum Softwares.</source>
        <extracomment>The About window&apos;s description: three lines at most in a box 425 pixels wide.</extracomment>
        <translation>يكشف لك Quintavel المزيد عن شخصيتك من خلال اختيارك للفاكهة. لكل فاكهة شخصيتها الخاصة التي تنعكس في اختيار صاحبها. هذا البرنامج ملك شركة Vellum Softwares.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you have enjoyed this software you will surely be interested in our other Vellum Softwares. We make a whole family of astrology, psychic, tarot, numerology and occult programs, and every one of them is simple, fun and informative, just like this one.                                                             People all over the world use and love our programs, and some of them rank among the world’s favorite programs of their kind. Download them all today from our website and try them for yourself. If you enjoy them, please share them with your friends and family so that they can have fun with them too. </source>
        <extracomment>The farewell window&apos;s note on the maker&apos;s other programs: a box 233 pixels wide and 257 high (some 17 lines). The long run of spaces ends the first paragraph&apos;s last line, so that the second starts on a line of its own: keep a run long enough for that.</extracomment>
        <translation>إن كان هذا البرنامج قد نال إعجابك، فستهمك بالتأكيد برامجنا الأخرى من Vellum&#xa0;Softwares. نصنع عائلة كاملة من برامج التنجيم والاستبصار والتاروت وعلم الأعداد والعلوم الخفية، وكلها بسيطة وممتعة ومفيدة، تمامًا مثل هذا البرنامج.
يستخدم الناس في أنحاء العالم برامجنا ويحبونها، وبعضها من أحب البرامج في فئتها على مستوى العالم. نزّلها كلها اليوم من موقعنا وجرّبها بنفسك. وإن أعجبتك، فشاركها مع أصدقائك وعائلتك ليستمتعوا بها هم أيضًا. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vellum Softwares, such as this can be created and maintained only with your support. The best way to help us is to visit our forum, Tarnwell, regularly and take an active part in its discussions and other activities.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>برامج Vellum Softwares مثل هذا البرنامج لا يمكن إنشاؤها وصيانتها إلا بدعمك. وأفضل طريقة لمساعدتنا هي زيارة منتدانا Tarnwell بانتظام والمشاركة الفاعلة في نقاشاته وأنشطته الأخرى.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Visit Tarnwell regularly. Join in the discussions and take part in the other activities there. Without your frequent visits we cannot support and maintain all our programs or keep them free.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>ننتظر زيارتك لمنتدى Tarnwell بانتظام، ومشاركتك في نقاشاته وأنشطته الأخرى. فمن دون زياراتك المتكررة لا نستطيع دعم برامجنا كلها وصيانتها ولا إبقاءها مجانية.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell is a FREE online discussion forum for all things vellum. If you visit it regularly, you help us to develop and maintain this software.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>منتدى Tarnwell منتدى نقاش مجاني تمامًا على الإنترنت لكل ما يخص Vellum. وزيارتك المنتظمة له تساعدنا على تطوير هذا البرنامج وصيانته.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell needs your help. Visit the forum regularly and take part in its discussions and activities. Your visits help us maintain this software and develop new programs just like it.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>منتدى Tarnwell بحاجة إلى مساعدتك. زيارتك المنتظمة للمنتدى ومشاركتك في نقاشاته وأنشطته تساعداننا على صيانة هذا البرنامج وتطوير برامج جديدة مثله.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If you have a liking for the sweet and juicy apple, you tend to indulge in expensive buys and a showy lifestyle. You are flamboyant and outspoken, and you never hesitate to say what is on your mind. Spontaneous and impulsive, you act on the spur of the moment and enjoy the thrill of the unexpected. You are a natural leader whom others gladly follow, though you are not always methodical and may leave the finer details to others. You love to travel and to discover new places and new faces. Amongst your friends you are charming, warm and generous, and your company is always in demand.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>إن كان التفاح الحلو الغضّ هو ما يستهويك، فلديك ميل إلى المشتريات الباهظة وحياة مليئة بالبريق. أنت شخص متألق وصريح، لا يتردد أبدًا في قول ما يدور في ذهنه. عفويتك واندفاعك يجعلان قراراتك وليدة اللحظة، ومتعتك في إثارة ما لا يُتوقَّع. فيك روح قيادية فطرية تجعل الآخرين يتبعونك عن طيب خاطر، وإن لم يكن التنظيم من طبعك دائمًا، فدقائق الأمور كثيرًا ما تكون من نصيب غيرك. السفر شغفك، ولاكتشاف الأماكن والوجوه الجديدة متعة خاصة عندك. وبين أصدقائك يأسر سحرك ودفؤك وكرمك القلوب، فصحبتك مطلوبة دائمًا.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your compassionate nature and sympathetic understanding of others have a calming effect on those around you. Friends and even strangers come to you with their troubles, and you are a trusted confidant who keeps their secrets close. Yet you can be gullible and much too trusting, and people do not always earn the faith you place in them. You tend to lack self-confidence and are shy in the company of people you do not know, so your true worth is often seen only by those close to you. In love you are a gentle and caring partner, always ready to put the happiness of your loved one above your own.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>طبعك الرحيم وتفهّمك العميق للآخرين يبعثان السكينة في نفوس من حولك. يأتيك الأصدقاء، بل والغرباء أيضًا، بهمومهم، فأنت موضع ثقتهم وأسرارهم عندك في أمان. لكن فيك شيئًا من السذاجة وفرط الثقة، والناس ليسوا دائمًا أهلًا لثقتك بهم. كثيرًا ما تنقصك الثقة بنفسك ويغلبك الخجل بين الغرباء، فلا يرى قيمتك الحقيقية في الغالب إلا المقربون منك. وفي الحب رقتك وحنانك لا حدود لهما، وسعادة الحبيب عندك تسبق دائمًا سعادتك.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You are well known for your modesty and good manners. You are amiable and easy to get along with, and people quickly feel at home in your company. You do have a quick temper, but your anger is short-lived and you never hold a grudge for very long. You see beauty everywhere, in nature, in art and in the people you meet, and this makes your life rich and colorful. Lively and full of fun, you are popular wherever you go. You are an optimistic extrovert who looks forward to every new day, and your cheerful spirit lifts the mood of everyone around you.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>يشهد لك الجميع بالتواضع وحسن الخلق. لطفك وسهولة معشرك يجعلان الناس يشعرون بالألفة سريعًا في صحبتك. صحيح أن غضبك قريب، لكنه سرعان ما يزول، ولا مكان للضغينة في قلبك طويلًا. عيناك تريان الجمال في كل مكان: في الطبيعة والفن ووجوه الناس، فتغدو حياتك غنية زاهية الألوان. حيويتك ومرحك يفتحان لك القلوب أينما حللت. أنت شخص متفائل منفتح يستقبل كل يوم جديد بشوق، وروحك المرحة تبهج كل من حولك.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The round luscious cherries intrigue your mind and so does the world around you. You are an imaginative dreamer who loves to build castles in the air, and your head is always full of new ideas. Your life is likely to take many twists and turns, and not all of them will be easy. You will have to work hard to build your career, and success may come later than you hope. Money matters can be a source of worry for you, so learn to plan and save with care. Though you feel things deeply, you find it hard to show your emotions, and those close to you may not always know how much you really care.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>يأسر الكرز المستدير الشهي خيالك، كما يأسره العالم من حولك. أنت شخص حالم واسع الخيال، يحب بناء القصور في الهواء، ورأسك مليء دائمًا بالأفكار الجديدة. من المرجح أن تشهد حياتك منعطفات كثيرة، ليست كلها سهلة. وبناء مسيرتك المهنية يتطلب منك جهدًا كبيرًا، وقد يأتي النجاح متأخرًا عن آمالك. وقد تكون الأمور المالية مصدر قلق لك، فالتخطيط والادخار بعناية خير عون لك. مشاعرك عميقة، لكن إظهارها صعب عليك، فلا يدرك المقربون منك دائمًا مدى حبك لهم واهتمامك بهم.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The coconut loving persons choose their friends and companions after much thought. You are sociable and enjoy good company, but you are very choosy about whom you let into your inner circle. Your opinions are austere and firmly held, and you do not change them lightly. You are clever and industrious, and you put great effort into all that you do, however small the task. At work you have a commanding presence, and others look up to you for direction. In love you want a partner who is both intelligent and loving, someone who can match your mind as well as warm your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>محبو جوز الهند يختارون أصدقاءهم ورفاقهم بعد تفكير طويل. أنت شخص اجتماعي يأنس بالصحبة الطيبة، لكن دائرتك المقربة لا يدخلها إلا من يقع عليه اختيارك بعناية. آراؤك صارمة راسخة، ولا تتغير بسهولة. ذكاؤك واجتهادك حاضران في كل مهمة مهما صغرت. وفي العمل لحضورك هيبة، والآخرون يتطلعون إليك طلبًا للتوجيه. وفي الحب لا يرضيك إلا شريك ذكي محب، يجاري عقلك ويدفئ قلبك.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You respect time honored values and ideas above modern points of view. You are conservative in your outlook and hold on to the customs you grew up with, yet beneath this firm exterior lies a sensitive soul that is easily wounded. You are ambitious and systematic, and you reach your goals step by step through careful planning and steady effort. Despite your achievements you stay modest and never boast of your success. Your tastes are refined, and you enjoy the finer things of life in a quiet and graceful way. When it comes to love, you value your partner&apos;s intelligence far more than good looks, for a sharp mind wins your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>للقيم والأفكار العريقة عندك مكانة تفوق وجهات النظر الحديثة. نظرتك إلى الأمور محافظة، والعادات التي نشأت عليها عزيزة عليك، لكن تحت هذا المظهر الصلب تكمن روح حساسة سريعة التأثر. طموحك ونظامك يوصلانك إلى أهدافك خطوة خطوة، بتخطيط دقيق وجهد متواصل. ورغم إنجازاتك يبقى التواضع شيمتك، ولا مكان للتباهي في حديثك. ذوقك رفيع، ومتعتك بأجمل ما في الحياة هادئة أنيقة. وفي الحب، ذكاء الشريك أهم عندك بكثير من حسن المظهر، فالعقل المتقد هو ما يأسر قلبك.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends to be quite radical in his ideas and thoughts. You are hard to convince unless you are given sound reasons, and you never accept an idea simply because others do. You have a gift for steering any situation the way you want it to go, even when others give up. When a challenge comes your way, you throw yourself into it wholeheartedly and give it your very best. You are strong-willed and stand firm in all that you believe, yet deep inside you are in need of affection and long for the warmth of people who love you. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>من يعشق نواة المانجو الناضجة بحلاوتها وعطرها يحمل في الغالب أفكارًا وآراء جذرية جريئة. إقناعك ليس سهلًا ما لم تُقدَّم لك أسباب وجيهة، ولا تنال فكرة قبولك لمجرد أن غيرك قبلها. لديك موهبة في توجيه أي موقف إلى الوجهة التي ترضيك، حتى حين يستسلم الآخرون. وإذا اعترضك تحدٍّ ألقيت بنفسك فيه بكل قلبك وبذلت فيه أقصى ما لديك. إرادتك قوية وثباتك على قناعاتك لا يتزعزع، لكنك في أعماقك بحاجة إلى الحنان، ونفسك تتوق إلى دفء من يحبونك. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Those favoring orange over all other fruits may appear to be timid and introvert people. But appearances can deceive, for you have a great inner strength and a willpower that carries you through hard times. You are patient and steady, and you work towards your goals without haste or fuss. Laziness is something you cannot stand, whether in yourself or in others. You are methodical in your ways and like to see things done in their proper order. You also have an artistic side, and you may find joy in music, painting or writing. You prefer peace to strife and avoid conflict wherever you can, choosing calm words over harsh ones.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>من يفضّلون البرتقال على سائر الفواكه قد يبدون خجولين منطوين. لكن المظاهر خدّاعة، ففيك قوة داخلية كبيرة وإرادة تحملك عبر الأوقات الصعبة. صبرك وثباتك يمضيان بك نحو أهدافك دون عجلة أو ضجيج. والكسل بغيض إليك، فيك كان أم في غيرك. أسلوبك منهجي، ويسعدك أن تجري الأمور في ترتيبها الصحيح. ولك جانب فني أيضًا، وقد تكون الموسيقى أو الرسم أو الكتابة مصدر بهجة لك. والسلام أحب إليك من الخصام، والنزاع أبغض شيء إليك، فالكلمة الهادئة عندك خير من القاسية.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you have a strong fascination for pineapple, you seem to possess extra ordinary organizing skills. You make quick judgments and are usually right, for you see through people and situations at a glance. You are not afraid of changing your career when a better path appears, and you face fresh beginnings with courage. You are responsible and honest, and people know they can rely on your word. You have only a few friends, but those friendships last for a whole lifetime. In romance you are practical rather than dreamy, and you look for a partner with whom you can build a stable and happy life, one sensible step at a time.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>إن كان الأناناس يفتنك، فالأرجح أن لديك مهارات تنظيمية استثنائية. أحكامك سريعة وصائبة في الغالب، فنظرة واحدة تكفيك لقراءة الناس والمواقف. تغيير مسارك المهني لا يخيفك إذا لاح طريق أفضل، والبدايات الجديدة لا تزيدك إلا شجاعة. أنت شخص مسؤول وصادق، وكلمتك محل ثقة الجميع. أصدقاؤك قلة، لكن صداقاتك تدوم العمر كله. وفي الحب تغلب واقعيتك على الأحلام، وغايتك شريك يبني معك حياة مستقرة سعيدة، خطوة حكيمة تلو أخرى.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you love papaya best of all kinds of fruits, you are a thoughtful and calculative person. You carefully weigh the pros and cons before you take any decision, and so you seldom have cause to regret it. You are courageous and reliable, and friends and family turn to you in times of need. Jovial and generous by nature, you like to share your good fortune with all those around you. You have a fine sense of timing and know just when to act and when to wait. In your profession you are ambitious, and you aim high and work hard and steadily to reach the top. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>إن كانت البابايا أحب الفواكه إليك، فأنت شخص متأنٍّ يحسب خطواته بدقة. كل قرار عندك يسبقه وزن دقيق للإيجابيات والسلبيات، لذا قلّما يعرف الندم طريقه إليك. شجاعتك وجدارتك بالثقة تجعلان الأهل والأصدقاء يلجؤون إليك وقت الشدة. ومن طبعك المرح والكرم، فخيرك يعمّ كل من حولك. لديك حس رفيع بالتوقيت يدلّك على لحظة الإقدام ولحظة الانتظار. وفي عملك طموحك كبير، فأهدافك عالية وجهدك دؤوب ثابت للوصول إلى القمة. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Peach loving persons always look at the sunny side of life. You are optimistic by nature, and even in bad times you believe that things will turn out well in the end. You are candid and outspoken, and you say what you think without fear. You make friends with strangers easily, and a chance meeting with you often grows into a lasting friendship. You value your independence and like to go your own way, wherever it leads. You are ambitious and set high goals for yourself. In love you are passionate and true. You give your whole heart to the one you love and stand by your partner through every season of life.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>محبو الخوخ ينظرون دائمًا إلى الجانب المشرق من الحياة. التفاؤل من طبعك، وحتى في الأوقات العصيبة يبقى يقينك أن الأمور ستنتهي على خير. أنت شخص صريح جريء، يقول ما يفكر فيه دون خوف. صداقة الغرباء سهلة عليك، وكثيرًا ما يتحول لقاء عابر معك إلى صداقة دائمة. استقلالك غالٍ عليك، وطريقك الخاص أحب إليك أينما قادك. طموحك كبير وأهدافك عالية. وفي الحب شغفك صادق ووفاؤك ثابت: قلبك كله للحبيب، ومكانك إلى جانب شريكك في كل فصول الحياة.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You have a problem in concentrating in a specific task. You take up new hobbies and plans with great enthusiasm, but all too often that enthusiasm fades before the job is done. You are impatient for results and want to see the fruits of your work at once. You have a way with words and can talk easily on nearly any subject, which makes you good company at any gathering. You are restless by nature and always on the move, looking for something new to keep your mind busy. You make friends easily wherever you go, but the bonds you form do not always last, as your restless heart soon draws you on to new people and new places. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>يصعب عليك التركيز في مهمة بعينها. الهوايات والخطط الجديدة تشعل حماسك، لكن هذا الحماس كثيرًا ما يخبو قبل إنجاز العمل. صبرك على النتائج قليل، ورغبتك في رؤية ثمار عملك فورية. لك أسلوب ساحر في الكلام، والحديث في أي موضوع تقريبًا سهل عليك، ولذلك فصحبتك مرغوبة في كل مجلس. السكون ليس من طبعك، والحركة لا تفارقك، بحثًا عن جديد يشغل ذهنك. الصداقات تأتيك بسهولة أينما ذهبت، لكن روابطك لا تدوم دائمًا، فقلبك الرحّال سرعان ما يمضي بك إلى وجوه وأماكن جديدة. </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/resources/ui/frmabout.ui" line="+21"/>
        <source>Click here to visit Tarnwell</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, one line of at most 310 pixels.</extracomment>
        <translation>انقر هنا لزيارة Tarnwell</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines at most in 417 pixels, bold.</extracomment>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واربح المال. احصل على هذا البرنامج باسم موقعك وعلامته بالكامل.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click here for more details.</source>
        <extracomment>A link after the offer above: bold and underlined, one line of at most 180 pixels.</extracomment>
        <translation>انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>OK</source>
        <extracomment>Closes the About window: a button 84 pixels wide.</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <location filename="../src/resources/ui/frmdisplay.ui" line="+91"/>
        <location line="+363"/>
        <source>&amp;Back</source>
        <extracomment>Returns to the main window, with the name still typed: a button 81 pixels wide, bold.</extracomment>
        <translation>&amp;عودة</translation>
    </message>
    <message>
        <location line="-337"/>
        <source>Click on one of the fruits that you feel attracted to or is your favorite.</source>
        <extracomment>Above the twelve fruit pictures: bold, on one line of at most 500 pixels.</extracomment>
        <translation>انقر على الفاكهة التي تجذبك أو المفضلة لديك.</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 560 pixels.</extracomment>
        <translation>أشهر منتدى لبرامج Vellum على الإنترنت: زر Tarnwell الآن</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Fruit Astrology Interpretation</source>
        <extracomment>The title of the frame round the reading: bold, in a frame 577 pixels wide.</extracomment>
        <translation>قراءة الطالع بالفاكهة</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <extracomment>The File menu&apos;s item that returns to the main window.</extracomment>
        <translation>عودة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Online Help</source>
        <translation>ال&amp;مساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>زيارة مو&amp;قعنا</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check for Software &amp;Update</source>
        <translation>البحث عن &amp;تحديث للبرنامج</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <translation>&amp;تبرّع</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>&amp;كسب المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <location filename="../src/resources/ui/frmfarewell.ui" line="+38"/>
        <source>Click Here To Visit Tarnwell Now</source>
        <extracomment>A big button (479 pixels wide, a 19-pixel font) that opens the maker&apos;s forum, Tarnwell.</extracomment>
        <translation>انقر هنا لزيارة Tarnwell الآن</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program: a button 83 pixels wide.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer A Friend</source>
        <extracomment>The title of the refer-a-friend form&apos;s frame, bold.</extracomment>
        <translation>دعوة صديق</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide and 19 high, bold.</extracomment>
        <translation>&amp;دعوة صديق الآن</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download Vellum Softwares</source>
        <extracomment>The title of a frame 249 pixels wide about the maker&apos;s other programs: bold, 13-pixel font.</extracomment>
        <translation>تنزيل برامج Vellum Softwares</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit Vellum Softwares</source>
        <extracomment>A link to the maker&apos;s home page: bold and underlined, one line of at most 239 pixels.</extracomment>
        <translation>انقر هنا لزيارة Vellum Softwares</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/resources/ui/frmmain.ui" line="+93"/>
        <source>Please Fill In The Below Details:</source>
        <extracomment>The title of the frame round the name box and the introduction: bold, in a frame 497 pixels wide.</extracomment>
        <translation>يُرجى ملء البيانات التالية:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Name:-</source>
        <extracomment>The label before the name box, in the 40 pixels left of it: about six narrow characters. Screen readers read it out as the name box&apos;s name.</extracomment>
        <translation>الاسم:</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+86"/>
        <source>Get My &amp;Fruit Astrology Reading</source>
        <extracomment>The button (211 pixels wide, bold) and the File menu item that hand over to the fruit pictures. Button and menu item keep the same access key.</extracomment>
        <translation>&amp;قراءة طالعي بالفاكهة</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+73"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program (through its farewell window).</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 480 pixels.</extracomment>
        <translation>أشهر منتدى لبرامج Vellum على الإنترنت: زر Tarnwell الآن</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Online Help</source>
        <translation>ال&amp;مساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>زيارة مو&amp;قعنا</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Check for Software Update</source>
        <translation>البحث عن &amp;تحديث للبرنامج</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <extracomment>A menu bar item of its own: opens the maker&apos;s donation page.</extracomment>
        <translation>&amp;تبرّع</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <extracomment>A menu bar item of its own: opens the offer of the program under one&apos;s own name.</extracomment>
        <translation>&amp;كسب المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+50"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>A message box with Yes and No, at start-up once two weeks have passed. The lone carriage return breaks the line: keep one between the two sentences.</extracomment>
        <translation>قد يتوفر تحديث لهذا البرنامج.<byte value="xd"/>هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../src/outreach/tellafriend.cpp" line="+22"/>
        <source>Your Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>اسمك</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Message</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form; this box is about 100 pixels wide.</extracomment>
        <translation>رسالتك</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>بريد صديقك الإلكتروني</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال بريد صديقك الإلكتروني</translation>
    </message>
</context>
</TS>
