<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DisplayPlatform</name>
    <message>
        <location filename="../src/platform/linux/displayplatform.cpp" line="+49"/>
        <source>the X display (DISPLAY is not set)</source>
        <translation>X-Display (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the X display %1</source>
        <extracomment>%1 is the name of an X display, such as :5.</extracomment>
        <translation>X-Display %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland socket %1</source>
        <extracomment>%1 is the path of a Wayland socket.</extracomment>
        <translation>Wayland-Socket %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Wayland socket %1 (XDG_RUNTIME_DIR is not set)</source>
        <translation>Wayland-Socket %1 (XDG_RUNTIME_DIR ist nicht gesetzt)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source> or </source>
        <extracomment>Joins the places or platforms of the line that says why no window can be shown.</extracomment>
        <translation> oder </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 names one or more places, such as &quot;the X display :5&quot;, joined by &quot; or &quot;.</extracomment>
        <translation>keine Verbindung zu %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start the platform %1</source>
        <extracomment>%1 names one or more platforms of Qt, each in double quotes.</extracomment>
        <translation>die Plattform %1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: no window can be shown: %2</source>
        <extracomment>A line on the terminal when start-up finds no display: %1 is the program&apos;s name, %2 why no window can be shown.</extracomment>
        <translation>%1: es kann kein Fenster angezeigt werden: %2</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <location filename="../src/outreach/frmfarewell.cpp" line="+115"/>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>A message box: the refer-a-friend form holds the same address for the user and the friend.</extracomment>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Proper Email Address</source>
        <extracomment>A message box: an address of the refer-a-friend form lacks &quot;@&quot; or &quot;.&quot;.</extracomment>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>A message box: the user typed a space in an e-mail address box.</extracomment>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/reading/frmmain.cpp" line="+91"/>
        <source>Please Enter Only Alphabet</source>
        <extracomment>A message box: the user typed a key the name box refuses. In a translation the box takes the letters of every script and spaces; digits, punctuation and symbols are refused.</extracomment>
        <translation>Bitte gib nur Buchstaben ein</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Please Enter Your Name</source>
        <extracomment>A message box: the name box is empty when the user asks for a reading.</extracomment>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <location filename="../src/app/frmstartup.cpp" line="+33"/>
        <source>Application is already running</source>
        <extracomment>A message box: the user started the program while it runs already.</extracomment>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
<context>
    <name>FruitCatalogue</name>
    <message>
        <location filename="../src/reading/fruitcatalogue.cpp" line="+15"/>
        <source>Apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Grapes</source>
        <translation>Blaue Trauben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherry</source>
        <translation>Kirsche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coconut</source>
        <translation>Kokosnuss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custard Apple</source>
        <translation>Zimtapfel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paneapple</source>
        <extracomment>The pineapple. &quot;Paneapple&quot; is how the English display has always spelled it; use the ordinary word of your language.</extracomment>
        <translation>Ananas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papaya</source>
        <translation>Papaya</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pear</source>
        <translation>Birne</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/app/translations.cpp" line="+19"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written from left to right, &quot;RTL&quot; for one written from right to left, such as Arabic.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <location filename="../src/resources/texts.cpp" line="+20"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has its own personality, and the one you pick tells you about your inner self as well as the outer self that others see.</source>
        <extracomment>The main window&apos;s introduction: bold, centred, in a box 483 pixels wide that holds three lines.</extracomment>
        <translation>Quintavel erzählt dir anhand der Frucht, die du wählst, mehr über deine Persönlichkeit. Jede Frucht hat ihren eigenen Charakter, und deine Wahl verrät dein inneres Selbst und das äußere, das andere sehen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Co-brand this software for your site.  Put your site name &amp;&amp; link in it and share it with your visitors.    See the Help file for full details.  Click Here for more info on co-branding.</source>
        <extracomment>An offer to put the program on one&apos;s own web site, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; the runs of spaces only part its sentences.</extracomment>
        <translation>Diese Software im Co-Branding für deine Website!  Füge Namen &amp;&amp; Link deiner Seite ein und teile sie mit deinen Besuchern.  Details in der Hilfe.  Hier mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>An offer of a copy of the program under one&apos;s own name, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide.</extracomment>
        <translation>Geschäftsidee für daheim: Starte dein Internet-Business und verdiene online Geld. Hol dir diese Software im Branding deiner Website. Mehr Infos: hier klicken.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has it own personality that is reflected in the choice of the person. This software is owned by Vellum Softwares.</source>
        <extracomment>The About window&apos;s description: three lines at most in a box 425 pixels wide.</extracomment>
        <translation>Quintavel erzählt dir anhand der Frucht, die du wählst, mehr über deine Persönlichkeit. Jede Frucht hat ihren eigenen Charakter, der sich in deiner Wahl spiegelt. Diese Software gehört Vellum Softwares.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you have enjoyed this software you will surely be interested in our other Vellum Softwares. We make a whole family of astrology, psychic, tarot, numerology and occult programs, and every one of them is simple, fun and informative, just like this one.                                                             People all over the world use and love our programs, and some of them rank among the world’s favorite programs of their kind. Download them all today from our website and try them for yourself. If you enjoy them, please share them with your friends and family so that they can have fun with them too. </source>
        <extracomment>The farewell window&apos;s note on the maker&apos;s other programs: a box 233 pixels wide and 257 high (some 17 lines). The long run of spaces ends the first paragraph&apos;s last line, so that the second starts on a line of its own: keep a run long enough for that.</extracomment>
        <translation>Hat dir diese Software gefallen, interessieren dich sicher auch unsere anderen Vellum Softwares. Wir haben eine ganze Familie von Programmen zu Astrologie, Hellsehen, Tarot, Numerologie und Okkultem, und jedes ist einfach, unterhaltsam und informativ – genau wie dieses.                                                             Menschen in aller Welt nutzen und lieben unsere Programme, und einige zählen weltweit zu den beliebtesten ihrer Art. Lade sie heute alle von unserer Website und probiere sie selbst aus. Gefallen sie dir, teile sie bitte mit Freunden und Familie, damit auch sie Spaß daran haben. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vellum Softwares, such as this can be created and maintained only with your support. The best way to help us is to visit our forum, Tarnwell, regularly and take an active part in its discussions and other activities.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Programme von Vellum Softwares wie dieses entstehen und bestehen nur dank deiner Hilfe. Am besten hilfst du uns, wenn du regelmäßig unser Forum Tarnwell besuchst und aktiv bei Diskussionen und Aktionen mitmachst.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Visit Tarnwell regularly. Join in the discussions and take part in the other activities there. Without your frequent visits we cannot support and maintain all our programs or keep them free.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Besuche Tarnwell regelmäßig. Diskutiere mit und nimm an den anderen Aktionen teil. Ohne deine häufigen Besuche können wir nicht alle Programme betreuen und pflegen oder kostenlos halten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell is a FREE online discussion forum for all things vellum. If you visit it regularly, you help us to develop and maintain this software.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell ist ein KOSTENLOSES Online-Forum rund um Vellum. Mit regelmäßigen Besuchen hilfst du uns, diese Software zu entwickeln und zu pflegen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell needs your help. Visit the forum regularly and take part in its discussions and activities. Your visits help us maintain this software and develop new programs just like it.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell braucht deine Hilfe. Besuche das Forum oft und mach bei Diskussionen und Aktionen mit. So hilfst du uns, dieses Programm zu pflegen und neue wie dieses zu entwickeln.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If you have a liking for the sweet and juicy apple, you tend to indulge in expensive buys and a showy lifestyle. You are flamboyant and outspoken, and you never hesitate to say what is on your mind. Spontaneous and impulsive, you act on the spur of the moment and enjoy the thrill of the unexpected. You are a natural leader whom others gladly follow, though you are not always methodical and may leave the finer details to others. You love to travel and to discover new places and new faces. Amongst your friends you are charming, warm and generous, and your company is always in demand.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Wenn du den süßen, saftigen Apfel magst, neigst du zu teuren Einkäufen und einem auffälligen Lebensstil. Du bist extravagant und direkt und sagst ohne Zögern, was dir durch den Kopf geht. Spontan und impulsiv handelst du aus dem Moment heraus und genießt den Reiz des Unerwarteten. Du bist zum Führen geboren und andere folgen dir gern, auch wenn du nicht immer methodisch vorgehst und die Feinheiten oft anderen überlässt. Du reist gern und entdeckst neue Orte und neue Gesichter. Unter Freunden bist du charmant, herzlich und großzügig, und deine Gesellschaft ist stets gefragt.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your compassionate nature and sympathetic understanding of others have a calming effect on those around you. Friends and even strangers come to you with their troubles, and you are a trusted confidant who keeps their secrets close. Yet you can be gullible and much too trusting, and people do not always earn the faith you place in them. You tend to lack self-confidence and are shy in the company of people you do not know, so your true worth is often seen only by those close to you. In love you are a gentle and caring partner, always ready to put the happiness of your loved one above your own.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Dein mitfühlendes Wesen und dein Verständnis für andere wirken beruhigend auf die Menschen um dich herum. Freunde und sogar Fremde kommen mit ihren Sorgen zu dir, und du bist eine treue Vertrauensperson, die ihre Geheimnisse hütet. Doch du kannst leichtgläubig und allzu vertrauensselig sein, und nicht jeder verdient das Vertrauen, das du ihm schenkst. Oft fehlt dir Selbstvertrauen, und unter Fremden bist du schüchtern, sodass nur die dir Nahestehenden deinen wahren Wert erkennen. In der Liebe bist du sanft und fürsorglich und stellst das Glück des geliebten Menschen stets über dein eigenes.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You are well known for your modesty and good manners. You are amiable and easy to get along with, and people quickly feel at home in your company. You do have a quick temper, but your anger is short-lived and you never hold a grudge for very long. You see beauty everywhere, in nature, in art and in the people you meet, and this makes your life rich and colorful. Lively and full of fun, you are popular wherever you go. You are an optimistic extrovert who looks forward to every new day, and your cheerful spirit lifts the mood of everyone around you.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Du bist bekannt für deine Bescheidenheit und gute Manieren. Du bist liebenswürdig und umgänglich, und bei dir fühlt man sich schnell wohl. Zwar braust du leicht auf, doch dein Ärger verfliegt rasch, und du bist nie lange nachtragend. Du siehst überall Schönheit, in der Natur, in der Kunst, in den Menschen, die du triffst, und das macht dein Leben reich und bunt. Lebhaft und lustig, wie du bist, bist du überall beliebt. Optimistisch und extrovertiert freust du dich auf jeden neuen Tag, und deine Fröhlichkeit hebt die Stimmung aller um dich herum.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The round luscious cherries intrigue your mind and so does the world around you. You are an imaginative dreamer who loves to build castles in the air, and your head is always full of new ideas. Your life is likely to take many twists and turns, and not all of them will be easy. You will have to work hard to build your career, and success may come later than you hope. Money matters can be a source of worry for you, so learn to plan and save with care. Though you feel things deeply, you find it hard to show your emotions, and those close to you may not always know how much you really care.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Die runden, saftigen Kirschen faszinieren dich, ebenso wie die Welt um dich herum. Du bist verträumt und fantasievoll, baust gern Luftschlösser, und dein Kopf ist stets voller neuer Ideen. Dein Leben wird wohl viele Wendungen nehmen, und nicht alle werden leicht sein. Für deine Karriere musst du hart arbeiten, und der Erfolg kommt vielleicht später als erhofft. Geldfragen können dir Sorgen bereiten, also lerne, mit Bedacht zu planen und zu sparen. Du fühlst tief, doch es fällt dir schwer, deine Gefühle zu zeigen, und wer dir nahesteht, weiß nicht immer, wie viel er dir wirklich bedeutet.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The coconut loving persons choose their friends and companions after much thought. You are sociable and enjoy good company, but you are very choosy about whom you let into your inner circle. Your opinions are austere and firmly held, and you do not change them lightly. You are clever and industrious, and you put great effort into all that you do, however small the task. At work you have a commanding presence, and others look up to you for direction. In love you want a partner who is both intelligent and loving, someone who can match your mind as well as warm your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Wer Kokosnüsse liebt, wählt Freunde und Weggefährten mit viel Bedacht. Du bist gesellig und magst gute Gesellschaft, doch wen du in deinen engsten Kreis lässt, wählst du genau aus. Deine Ansichten sind streng und fest, und du änderst sie nicht leichtfertig. Du bist klug und fleißig und steckst viel Mühe in alles, was du tust, wie klein die Aufgabe auch ist. Im Beruf hast du eine natürliche Autorität, und andere suchen bei dir Orientierung. In der Liebe suchst du jemanden, der intelligent und liebevoll zugleich ist, der deinem Verstand gewachsen ist und dein Herz wärmt.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You respect time honored values and ideas above modern points of view. You are conservative in your outlook and hold on to the customs you grew up with, yet beneath this firm exterior lies a sensitive soul that is easily wounded. You are ambitious and systematic, and you reach your goals step by step through careful planning and steady effort. Despite your achievements you stay modest and never boast of your success. Your tastes are refined, and you enjoy the finer things of life in a quiet and graceful way. When it comes to love, you value your partner&apos;s intelligence far more than good looks, for a sharp mind wins your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Du schätzt altbewährte Werte und Ideen mehr als moderne Ansichten. Du denkst konservativ und hältst an den Bräuchen fest, mit denen du aufgewachsen bist, doch unter der harten Schale steckt eine empfindsame, leicht verletzliche Seele. Du bist ehrgeizig und systematisch und erreichst deine Ziele Schritt für Schritt mit sorgfältiger Planung und stetem Einsatz. Trotz aller Erfolge bleibst du bescheiden und prahlst nie damit. Dein Geschmack ist erlesen, und du genießt die schönen Dinge des Lebens still und anmutig. In der Liebe zählt für dich Klugheit weit mehr als gutes Aussehen, denn ein scharfer Verstand erobert dein Herz.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends to be quite radical in his ideas and thoughts. You are hard to convince unless you are given sound reasons, and you never accept an idea simply because others do. You have a gift for steering any situation the way you want it to go, even when others give up. When a challenge comes your way, you throw yourself into it wholeheartedly and give it your very best. You are strong-willed and stand firm in all that you believe, yet deep inside you are in need of affection and long for the warmth of people who love you. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Wer Mangos liebt und das süße, duftende Fruchtfleisch reifer Früchte zutiefst schätzt, ist in Ideen und Gedanken oft recht radikal. Ohne stichhaltige Gründe bist du schwer zu überzeugen, und du übernimmst nie eine Idee, nur weil andere es tun. Du verstehst es, jede Lage in deine Richtung zu lenken, selbst wenn andere aufgeben. Stellt sich dir eine Herausforderung, stürzt du dich mit ganzem Herzen hinein und gibst dein Bestes. Du bist willensstark und stehst fest zu allem, woran du glaubst, doch tief im Inneren brauchst du Zuneigung und sehnst dich nach der Wärme von Menschen, die dich lieben. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Those favoring orange over all other fruits may appear to be timid and introvert people. But appearances can deceive, for you have a great inner strength and a willpower that carries you through hard times. You are patient and steady, and you work towards your goals without haste or fuss. Laziness is something you cannot stand, whether in yourself or in others. You are methodical in your ways and like to see things done in their proper order. You also have an artistic side, and you may find joy in music, painting or writing. You prefer peace to strife and avoid conflict wherever you can, choosing calm words over harsh ones.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Wer Orangen allen anderen Früchten vorzieht, wirkt vielleicht schüchtern und introvertiert. Doch der Schein trügt, denn du besitzt große innere Stärke und eine Willenskraft, die dich durch schwere Zeiten trägt. Du bist geduldig und beständig und verfolgst deine Ziele ohne Hast und Aufhebens. Faulheit ist dir zuwider, bei dir wie bei anderen. Du gehst methodisch vor und erledigst alles gern der Reihe nach. Du hast auch eine künstlerische Ader und findest vielleicht Freude an Musik, Malerei oder Schreiben. Du ziehst Frieden dem Streit vor, meidest Konflikte, wo du kannst, und wählst lieber ruhige als harte Worte.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you have a strong fascination for pineapple, you seem to possess extra ordinary organizing skills. You make quick judgments and are usually right, for you see through people and situations at a glance. You are not afraid of changing your career when a better path appears, and you face fresh beginnings with courage. You are responsible and honest, and people know they can rely on your word. You have only a few friends, but those friendships last for a whole lifetime. In romance you are practical rather than dreamy, and you look for a partner with whom you can build a stable and happy life, one sensible step at a time.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Wenn dich die Ananas besonders fasziniert, hast du wohl ein außergewöhnliches Organisationstalent. Du urteilst schnell und liegst meist richtig, denn du durchschaust Menschen und Situationen auf einen Blick. Du scheust keinen Berufswechsel, wenn sich ein besserer Weg auftut, und gehst Neuanfänge mutig an. Du bist verantwortungsbewusst und ehrlich, und auf dein Wort ist Verlass. Du hast nur wenige Freunde, doch diese Freundschaften halten ein Leben lang. In der Liebe bist du eher praktisch als verträumt und suchst jemanden, mit dem du vernünftig, Schritt für Schritt, ein stabiles, glückliches Leben aufbauen kannst.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you love papaya best of all kinds of fruits, you are a thoughtful and calculative person. You carefully weigh the pros and cons before you take any decision, and so you seldom have cause to regret it. You are courageous and reliable, and friends and family turn to you in times of need. Jovial and generous by nature, you like to share your good fortune with all those around you. You have a fine sense of timing and know just when to act and when to wait. In your profession you are ambitious, and you aim high and work hard and steadily to reach the top. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Liebst du Papaya mehr als alle anderen Früchte, bist du ein nachdenklicher Mensch, der genau kalkuliert. Du wägst vor jeder Entscheidung sorgfältig das Für und Wider ab und bereust daher selten etwas. Du bist mutig und zuverlässig, und in der Not kommen Freunde und Familie zu dir. Fröhlich und großzügig teilst du dein Glück gern mit allen um dich herum. Mit feinem Gespür für den richtigen Moment weißt du, wann du handeln und wann warten musst. Im Beruf bist du ehrgeizig, steckst dir hohe Ziele und arbeitest hart und stetig, um nach oben zu kommen. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Peach loving persons always look at the sunny side of life. You are optimistic by nature, and even in bad times you believe that things will turn out well in the end. You are candid and outspoken, and you say what you think without fear. You make friends with strangers easily, and a chance meeting with you often grows into a lasting friendship. You value your independence and like to go your own way, wherever it leads. You are ambitious and set high goals for yourself. In love you are passionate and true. You give your whole heart to the one you love and stand by your partner through every season of life.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Wer Pfirsiche liebt, sieht immer die Sonnenseite des Lebens. Du bist von Natur aus optimistisch und glaubst selbst in schweren Zeiten, dass alles gut ausgeht. Du bist offen und direkt und sagst furchtlos, was du denkst. Du findest leicht Kontakt zu Fremden, und aus einer Zufallsbegegnung mit dir wird oft eine feste Freundschaft. Du schätzt deine Unabhängigkeit und gehst gern deinen eigenen Weg, wohin er auch führt. Du bist ehrgeizig und steckst dir hohe Ziele. In der Liebe bist du leidenschaftlich und treu. Du schenkst dem Menschen, den du liebst, dein ganzes Herz und hältst in jeder Lebensphase zu ihm.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You have a problem in concentrating in a specific task. You take up new hobbies and plans with great enthusiasm, but all too often that enthusiasm fades before the job is done. You are impatient for results and want to see the fruits of your work at once. You have a way with words and can talk easily on nearly any subject, which makes you good company at any gathering. You are restless by nature and always on the move, looking for something new to keep your mind busy. You make friends easily wherever you go, but the bonds you form do not always last, as your restless heart soon draws you on to new people and new places. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Es fällt dir schwer, dich auf eine Aufgabe zu konzentrieren. Neue Hobbys und Pläne gehst du mit großer Begeisterung an, doch allzu oft verfliegt sie, bevor die Arbeit getan ist. Du wartest ungeduldig auf Ergebnisse und willst die Früchte deiner Arbeit sofort sehen. Du bist wortgewandt und plauderst mühelos über fast jedes Thema, weshalb man dich auf jeder Feier gern dabeihat. Von Natur aus rastlos, bist du immer unterwegs und suchst Neues für deinen Geist. Du findest überall schnell Freunde, doch die Bindungen halten nicht immer, denn dein unruhiges Herz zieht dich bald weiter zu neuen Menschen und neuen Orten. </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/resources/ui/frmabout.ui" line="+21"/>
        <source>Click here to visit Tarnwell</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, one line of at most 310 pixels.</extracomment>
        <translation>Hier geht’s zu Tarnwell</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines at most in 417 pixels, bold.</extracomment>
        <translation>Geschäftsidee für daheim: Starte dein Internet-Business und verdiene online Geld. Hol dir diese Software im Branding deiner Website.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click here for more details.</source>
        <extracomment>A link after the offer above: bold and underlined, one line of at most 180 pixels.</extracomment>
        <translation>Mehr Infos: hier klicken.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>OK</source>
        <extracomment>Closes the About window: a button 84 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <location filename="../src/resources/ui/frmdisplay.ui" line="+91"/>
        <location line="+363"/>
        <source>&amp;Back</source>
        <extracomment>Returns to the main window, with the name still typed: a button 81 pixels wide, bold.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="-337"/>
        <source>Click on one of the fruits that you feel attracted to or is your favorite.</source>
        <extracomment>Above the twelve fruit pictures: bold, on one line of at most 500 pixels.</extracomment>
        <translation>Klicke auf eine Frucht, die dich anzieht oder die du am liebsten magst.</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 560 pixels.</extracomment>
        <translation>Das beliebteste Vellum-Forum im Netz. Die beste Quelle für alles rund um Vellum. Besuche jetzt Tarnwell</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Fruit Astrology Interpretation</source>
        <extracomment>The title of the frame round the reading: bold, in a frame 577 pixels wide.</extracomment>
        <translation>Deutung nach Frucht-Astrologie</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <extracomment>The File menu&apos;s item that returns to the main window.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber Quintavel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online verdienen</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <location filename="../src/resources/ui/frmfarewell.ui" line="+38"/>
        <source>Click Here To Visit Tarnwell Now</source>
        <extracomment>A big button (479 pixels wide, a 19-pixel font) that opens the maker&apos;s forum, Tarnwell.</extracomment>
        <translation>Hier klicken – jetzt zu Tarnwell</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program: a button 83 pixels wide.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer A Friend</source>
        <extracomment>The title of the refer-a-friend form&apos;s frame, bold.</extracomment>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide and 19 high, bold.</extracomment>
        <translation>&amp;Jetzt empfehlen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download Vellum Softwares</source>
        <extracomment>The title of a frame 249 pixels wide about the maker&apos;s other programs: bold, 13-pixel font.</extracomment>
        <translation>Vellum Softwares laden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit Vellum Softwares</source>
        <extracomment>A link to the maker&apos;s home page: bold and underlined, one line of at most 239 pixels.</extracomment>
        <translation>Hier geht’s zu Vellum Softwares</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/resources/ui/frmmain.ui" line="+93"/>
        <source>Please Fill In The Below Details:</source>
        <extracomment>The title of the frame round the name box and the introduction: bold, in a frame 497 pixels wide.</extracomment>
        <translation>Bitte gib deine Daten ein:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Name:-</source>
        <extracomment>The label before the name box, in the 40 pixels left of it: about six narrow characters. Screen readers read it out as the name box&apos;s name.</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+86"/>
        <source>Get My &amp;Fruit Astrology Reading</source>
        <extracomment>The button (211 pixels wide, bold) and the File menu item that hand over to the fruit pictures. Button and menu item keep the same access key.</extracomment>
        <translation>Mein &amp;Frucht-Horoskop anzeigen</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+73"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program (through its farewell window).</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 480 pixels.</extracomment>
        <translation>Das beliebteste Vellum-Forum im Netz. Die beste Quelle für alles rund um Vellum. Besuche jetzt Tarnwell</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber Quintavel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <extracomment>A menu bar item of its own: opens the maker&apos;s donation page.</extracomment>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <extracomment>A menu bar item of its own: opens the offer of the program under one&apos;s own name.</extracomment>
        <translation>&amp;Online verdienen</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+50"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>A message box with Yes and No, at start-up once two weeks have passed. The lone carriage return breaks the line: keep one between the two sentences.</extracomment>
        <translation>Für diese Software ist möglicherweise ein Update verfügbar.<byte value="xd"/>Möchtest du nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../src/outreach/tellafriend.cpp" line="+22"/>
        <source>Your Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Dein Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Message</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form; this box is about 100 pixels wide.</extracomment>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>E-Mail des Freundes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein</translation>
    </message>
</context>
</TS>
