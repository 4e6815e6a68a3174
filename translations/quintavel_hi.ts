<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>DisplayPlatform</name>
    <message>
        <location filename="../src/platform/linux/displayplatform.cpp" line="+49"/>
        <source>the X display (DISPLAY is not set)</source>
        <translation>X डिस्प्ले (DISPLAY सेट नहीं है)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the X display %1</source>
        <extracomment>%1 is the name of an X display, such as :5.</extracomment>
        <translation>X डिस्प्ले %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland socket %1</source>
        <extracomment>%1 is the path of a Wayland socket.</extracomment>
        <translation>Wayland सॉकेट %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Wayland socket %1 (XDG_RUNTIME_DIR is not set)</source>
        <translation>Wayland सॉकेट %1 (XDG_RUNTIME_DIR सेट नहीं है)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source> or </source>
        <extracomment>Joins the places or platforms of the line that says why no window can be shown.</extracomment>
        <translation> या </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 names one or more places, such as &quot;the X display :5&quot;, joined by &quot; or &quot;.</extracomment>
        <translation>%1 से कनेक्ट नहीं हो सका</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start the platform %1</source>
        <extracomment>%1 names one or more platforms of Qt, each in double quotes.</extracomment>
        <translation>प्लैटफ़ॉर्म %1 शुरू नहीं हो सका</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: no window can be shown: %2</source>
        <extracomment>A line on the terminal when start-up finds no display: %1 is the program&apos;s name, %2 why no window can be shown.</extracomment>
        <translation>%1: कोई विंडो नहीं दिखाई जा सकती: %2</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <location filename="../src/outreach/frmfarewell.cpp" line="+115"/>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>A message box: the refer-a-friend form holds the same address for the user and the friend.</extracomment>
        <translation>कृपया दो अलग-अलग ईमेल पते लिखें</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Proper Email Address</source>
        <extracomment>A message box: an address of the refer-a-friend form lacks &quot;@&quot; or &quot;.&quot;.</extracomment>
        <translation>कृपया सही ईमेल पता लिखें</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>A message box: the user typed a space in an e-mail address box.</extracomment>
        <translation>ईमेल पते में स्पेस नहीं हो सकता</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/reading/frmmain.cpp" line="+91"/>
        <source>Please Enter Only Alphabet</source>
        <extracomment>A message box: the user typed a key the name box refuses. In a translation the box takes the letters of every script and spaces; digits, punctuation and symbols are refused.</extracomment>
        <translation>कृपया केवल अक्षर लिखें</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Please Enter Your Name</source>
        <extracomment>A message box: the name box is empty when the user asks for a reading.</extracomment>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <location filename="../src/app/frmstartup.cpp" line="+33"/>
        <source>Application is already running</source>
        <extracomment>A message box: the user started the program while it runs already.</extracomment>
        <translation>यह प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>FruitCatalogue</name>
    <message>
        <location filename="../src/reading/fruitcatalogue.cpp" line="+15"/>
        <source>Apple</source>
        <translation>सेब</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Banana</source>
        <translation>केला</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Grapes</source>
        <translation>काले अंगूर</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherry</source>
        <translation>चेरी</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coconut</source>
        <translation>नारियल</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custard Apple</source>
        <translation>शरीफ़ा</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mango</source>
        <translation>आम</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>संतरा</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paneapple</source>
        <extracomment>The pineapple. &quot;Paneapple&quot; is how the English display has always spelled it; use the ordinary word of your language.</extracomment>
        <translation>अनानास</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papaya</source>
        <translation>पपीता</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>आड़ू</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pear</source>
        <translation>नाशपाती</translation>
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
        <translation>Quintavel आपके चुने हुए फल से आपके व्यक्तित्व के बारे में और भी बताता है। हर फल का अपना स्वभाव है, और आपका चुना फल आपके अंदर के मन और दूसरों को दिखने वाले रूप, दोनों के बारे में बताता है।</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Co-brand this software for your site.  Put your site name &amp;&amp; link in it and share it with your visitors.    See the Help file for full details.  Click Here for more info on co-branding.</source>
        <extracomment>An offer to put the program on one&apos;s own web site, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; the runs of spaces only part its sentences.</extracomment>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें।  इसमें साइट का नाम &amp;&amp; लिंक डालकर विज़िटर्स से शेयर करें।  पूरी जानकारी मदद में।  को-ब्रांडिंग के बारे में और जानें: यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>An offer of a copy of the program under one&apos;s own name, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide.</extracomment>
        <translation>घर बैठे कमाई का मौका: अपना ऑनलाइन बिज़नेस शुरू करें और यह सॉफ़्टवेयर अपनी वेबसाइट के नाम से पाएँ। जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has it own personality that is reflected in the choice of the person. This software is owned by Vellum Softwares.</source>
        <extracomment>The About window&apos;s description: three lines at most in a box 425 pixels wide.</extracomment>
        <translation>Quintavel आपके चुने फल से आपका स्वभाव बताता है, क्योंकि हर फल का अपना स्वभाव होता है। यह सॉफ़्टवेयर Vellum Softwares का है।</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you have enjoyed this software you will surely be interested in our other Vellum Softwares. We make a whole family of astrology, psychic, tarot, numerology and occult programs, and every one of them is simple, fun and informative, just like this one.                                                             People all over the world use and love our programs, and some of them rank among the world’s favorite programs of their kind. Download them all today from our website and try them for yourself. If you enjoy them, please share them with your friends and family so that they can have fun with them too. </source>
        <extracomment>The farewell window&apos;s note on the maker&apos;s other programs: a box 233 pixels wide and 257 high (some 17 lines). The long run of spaces ends the first paragraph&apos;s last line, so that the second starts on a line of its own: keep a run long enough for that.</extracomment>
        <translation>अगर आपको यह सॉफ़्टवेयर अच्छा लगा, तो हमारे दूसरे Vellum Softwares भी आपको ज़रूर पसंद आएँगे। हम ज्योतिष, भविष्यवाणी, टैरो, अंक ज्योतिष और गुप्त विद्याओं के प्रोग्रामों का पूरा परिवार बनाते हैं, और हर एक इसी की तरह आसान, मज़ेदार और जानकारी भरा है।                                                             दुनिया भर के लोग हमारे प्रोग्राम इस्तेमाल करते हैं और उन्हें पसंद करते हैं, और इनमें से कुछ अपनी तरह के सबसे पसंदीदा प्रोग्रामों में गिने जाते हैं। आज ही हमारी वेबसाइट से इन्हें डाउनलोड करें और खुद आज़माएँ। अच्छे लगें, तो इन्हें अपने दोस्तों और परिवार के साथ भी शेयर करें, ताकि वे भी इनका मज़ा ले सकें। </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vellum Softwares, such as this can be created and maintained only with your support. The best way to help us is to visit our forum, Tarnwell, regularly and take an active part in its discussions and other activities.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Vellum Softwares के इस जैसे प्रोग्राम सिर्फ़ आपके सहयोग से ही बन और चल सकते हैं। हमारी मदद का सबसे अच्छा तरीका है कि आप हमारे फ़ोरम Tarnwell पर नियमित रूप से आएँ और उसकी चर्चाओं व दूसरी गतिविधियों में बढ़-चढ़कर हिस्सा लें।</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Visit Tarnwell regularly. Join in the discussions and take part in the other activities there. Without your frequent visits we cannot support and maintain all our programs or keep them free.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell पर नियमित रूप से आएँ। वहाँ की चर्चाओं और दूसरी गतिविधियों में हिस्सा लें। आपके बार-बार आए बिना हम अपने सभी प्रोग्रामों को न सँभाल सकते हैं, न उन्हें मुफ़्त रख सकते हैं।</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell is a FREE online discussion forum for all things vellum. If you visit it regularly, you help us to develop and maintain this software.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell, Vellum से जुड़ी हर बात के लिए एक बिल्कुल मुफ़्त ऑनलाइन चर्चा फ़ोरम है। अगर आप वहाँ नियमित रूप से आते हैं, तो इस सॉफ़्टवेयर को बनाने और सँभालने में हमारी मदद करते हैं।</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell needs your help. Visit the forum regularly and take part in its discussions and activities. Your visits help us maintain this software and develop new programs just like it.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell को आपकी मदद चाहिए। फ़ोरम पर नियमित रूप से आएँ और उसकी चर्चाओं व गतिविधियों में हिस्सा लें। आपके आने से हमें यह सॉफ़्टवेयर सँभालने और इसके जैसे नए प्रोग्राम बनाने में मदद मिलती है।</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If you have a liking for the sweet and juicy apple, you tend to indulge in expensive buys and a showy lifestyle. You are flamboyant and outspoken, and you never hesitate to say what is on your mind. Spontaneous and impulsive, you act on the spur of the moment and enjoy the thrill of the unexpected. You are a natural leader whom others gladly follow, though you are not always methodical and may leave the finer details to others. You love to travel and to discover new places and new faces. Amongst your friends you are charming, warm and generous, and your company is always in demand.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>अगर आपको मीठा और रसीला सेब पसंद है, तो आप महँगी खरीदारी और ठाठ-बाट वाली ज़िंदगी के शौकीन हैं। आप रंगीन मिज़ाज और बेबाक हैं, और जो मन में होता है, बिना झिझक कह देते हैं। आप सहज और जोशीले हैं, पल भर में फ़ैसला कर लेते हैं और अचानक होने वाली बातों का रोमांच आपको भाता है। आप जन्मजात नेता हैं और लोग खुशी से आपके पीछे चलते हैं, हालाँकि आप हमेशा तरीके से काम नहीं करते और बारीकियाँ अक्सर दूसरों पर छोड़ देते हैं। आपको घूमना और नई जगहें, नए चेहरे देखना बहुत पसंद है। दोस्तों के बीच आप मोहक, गर्मजोश और दिलदार हैं, और हर कोई आपका साथ चाहता है।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your compassionate nature and sympathetic understanding of others have a calming effect on those around you. Friends and even strangers come to you with their troubles, and you are a trusted confidant who keeps their secrets close. Yet you can be gullible and much too trusting, and people do not always earn the faith you place in them. You tend to lack self-confidence and are shy in the company of people you do not know, so your true worth is often seen only by those close to you. In love you are a gentle and caring partner, always ready to put the happiness of your loved one above your own.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>आपका दयालु स्वभाव और दूसरों के लिए आपकी हमदर्दी आसपास के लोगों को सुकून देती है। दोस्त ही नहीं, अनजान लोग भी अपनी परेशानियाँ लेकर आपके पास आते हैं, और आप ऐसे भरोसेमंद हमराज़ हैं जो उनकी बातें अपने तक रखते हैं। फिर भी आप भोले हो सकते हैं और ज़रूरत से ज़्यादा भरोसा कर लेते हैं, और हर कोई आपके भरोसे के लायक नहीं निकलता। आपमें आत्मविश्वास की कमी रहती है और अनजान लोगों के बीच आप झिझकते हैं, इसलिए आपकी असली कीमत अक्सर आपके करीबी ही पहचानते हैं। प्यार में आप कोमल और ख्याल रखने वाले साथी हैं, जो अपने प्रिय की खुशी को हमेशा अपनी खुशी से ऊपर रखते हैं।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You are well known for your modesty and good manners. You are amiable and easy to get along with, and people quickly feel at home in your company. You do have a quick temper, but your anger is short-lived and you never hold a grudge for very long. You see beauty everywhere, in nature, in art and in the people you meet, and this makes your life rich and colorful. Lively and full of fun, you are popular wherever you go. You are an optimistic extrovert who looks forward to every new day, and your cheerful spirit lifts the mood of everyone around you.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>आप अपनी विनम्रता और अच्छे तौर-तरीकों के लिए जाने जाते हैं। आप मिलनसार हैं, आपके साथ निभाना आसान है, और लोग आपकी संगत में जल्दी ही अपनापन महसूस करते हैं। आपको गुस्सा जल्दी आता है, पर वह ज़्यादा देर नहीं टिकता और आप कभी लंबे समय तक मन में बैर नहीं रखते। आपको हर जगह खूबसूरती दिखती है, कुदरत में, कला में और उन लोगों में जिनसे आप मिलते हैं, और इससे आपकी ज़िंदगी भरी-पूरी और रंगीन बनती है। ज़िंदादिल और मस्तमौला होने से आप जहाँ जाते हैं, सबके चहेते बन जाते हैं। आप खुले मन के आशावादी इंसान हैं जो हर नए दिन का इंतज़ार करते हैं, और आपकी खुशमिज़ाजी आसपास सबका मन खिला देती है।</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The round luscious cherries intrigue your mind and so does the world around you. You are an imaginative dreamer who loves to build castles in the air, and your head is always full of new ideas. Your life is likely to take many twists and turns, and not all of them will be easy. You will have to work hard to build your career, and success may come later than you hope. Money matters can be a source of worry for you, so learn to plan and save with care. Though you feel things deeply, you find it hard to show your emotions, and those close to you may not always know how much you really care.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>गोल, रसीली चेरी आपकी उत्सुकता जगाती हैं, और आसपास की दुनिया भी। आप कल्पनाशील हैं और सपनों में जीते हैं, हवाई किले बनाना आपको अच्छा लगता है, और आपका दिमाग हमेशा नए विचारों से भरा रहता है। आपकी ज़िंदगी में कई उतार-चढ़ाव आ सकते हैं, और सब आसान नहीं होंगे। करियर बनाने के लिए आपको कड़ी मेहनत करनी होगी, और कामयाबी शायद उम्मीद से देर से मिले। पैसों के मामले आपको चिंता में डाल सकते हैं, इसलिए सोच-समझकर योजना बनाना और बचत करना सीखें। आप बातों को गहराई से महसूस करते हैं, फिर भी अपनी भावनाएँ जताना आपके लिए मुश्किल है, और आपके करीबी हमेशा नहीं जान पाते कि आप उनकी कितनी परवाह करते हैं।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The coconut loving persons choose their friends and companions after much thought. You are sociable and enjoy good company, but you are very choosy about whom you let into your inner circle. Your opinions are austere and firmly held, and you do not change them lightly. You are clever and industrious, and you put great effort into all that you do, however small the task. At work you have a commanding presence, and others look up to you for direction. In love you want a partner who is both intelligent and loving, someone who can match your mind as well as warm your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>नारियल पसंद करने वाले लोग अपने दोस्त और साथी बहुत सोच-समझकर चुनते हैं। आप मिलनसार हैं और अच्छी संगत का आनंद लेते हैं, पर अपने सबसे करीबी दायरे में किसे आने दें, इसमें आप बहुत चुनिंदा हैं। आपके विचार सख्त और पक्के हैं, और आप उन्हें आसानी से नहीं बदलते। आप होशियार और मेहनती हैं, और काम छोटा हो या बड़ा, उसमें पूरी लगन लगाते हैं। काम पर आपकी बात का वज़न होता है, और दूसरे राह दिखाने के लिए आपकी ओर देखते हैं। प्यार में आपको ऐसा साथी चाहिए जो समझदार भी हो और प्यार करने वाला भी, जो आपके दिमाग की बराबरी कर सके और आपके दिल को गर्माहट भी दे।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You respect time honored values and ideas above modern points of view. You are conservative in your outlook and hold on to the customs you grew up with, yet beneath this firm exterior lies a sensitive soul that is easily wounded. You are ambitious and systematic, and you reach your goals step by step through careful planning and steady effort. Despite your achievements you stay modest and never boast of your success. Your tastes are refined, and you enjoy the finer things of life in a quiet and graceful way. When it comes to love, you value your partner&apos;s intelligence far more than good looks, for a sharp mind wins your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>आप नए ज़माने की सोच से ज़्यादा पुराने, परखे हुए मूल्यों और विचारों का सम्मान करते हैं। आपका नज़रिया पारंपरिक है और आप उन रीति-रिवाजों से जुड़े रहते हैं जिनके साथ आप बड़े हुए, फिर भी इस मज़बूत बाहरी रूप के नीचे एक नाज़ुक दिल है जिसे आसानी से ठेस पहुँचती है। आप महत्वाकांक्षी और व्यवस्थित हैं, और सोची-समझी योजना और लगातार मेहनत से कदम-दर-कदम अपने लक्ष्य तक पहुँचते हैं। इतनी कामयाबी के बावजूद आप विनम्र रहते हैं और कभी शेखी नहीं बघारते। आपकी पसंद उम्दा है, और आप ज़िंदगी की अच्छी चीज़ों का आनंद शांत और सलीकेदार ढंग से लेते हैं। प्यार में आप साथी की सूरत से कहीं ज़्यादा उसकी समझदारी को अहमियत देते हैं, क्योंकि तेज़ दिमाग ही आपका दिल जीतता है।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends to be quite radical in his ideas and thoughts. You are hard to convince unless you are given sound reasons, and you never accept an idea simply because others do. You have a gift for steering any situation the way you want it to go, even when others give up. When a challenge comes your way, you throw yourself into it wholeheartedly and give it your very best. You are strong-willed and stand firm in all that you believe, yet deep inside you are in need of affection and long for the warmth of people who love you. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>पके आम के मीठे, खुशबूदार गूदे के दीवाने अपने विचारों और सोच में अक्सर लीक से हटकर चलते हैं। ठोस वजह न मिले तो आपको मनाना मुश्किल है, और आप कोई बात सिर्फ़ इसलिए नहीं मानते कि दूसरे मानते हैं। हर हालात को अपनी मर्ज़ी की दिशा में मोड़ने का हुनर आपमें है, तब भी जब दूसरे हार मान लेते हैं। जब कोई चुनौती सामने आती है, तो आप पूरे दिल से उसमें जुट जाते हैं और अपना सबसे अच्छा देते हैं। आप पक्के इरादों वाले हैं और अपनी हर मान्यता पर डटे रहते हैं, फिर भी मन के भीतर आपको प्यार की ज़रूरत है और आप उन लोगों की गर्माहट चाहते हैं जो आपसे प्यार करते हैं। </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Those favoring orange over all other fruits may appear to be timid and introvert people. But appearances can deceive, for you have a great inner strength and a willpower that carries you through hard times. You are patient and steady, and you work towards your goals without haste or fuss. Laziness is something you cannot stand, whether in yourself or in others. You are methodical in your ways and like to see things done in their proper order. You also have an artistic side, and you may find joy in music, painting or writing. You prefer peace to strife and avoid conflict wherever you can, choosing calm words over harsh ones.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>जो लोग बाकी सब फलों से ज़्यादा संतरा पसंद करते हैं, वे शर्मीले और अंतर्मुखी लग सकते हैं। पर जो दिखता है, ज़रूरी नहीं वही सच हो, क्योंकि आपमें गहरी अंदरूनी ताकत और ऐसी इच्छाशक्ति है जो मुश्किल वक्त में आपको सँभाले रखती है। आप धैर्यवान और स्थिर हैं, और बिना जल्दबाज़ी या हो-हल्ले के अपने लक्ष्य की ओर बढ़ते हैं। आलस आपसे बर्दाश्त नहीं होता, चाहे वह आपमें हो या दूसरों में। आप तरीके से काम करते हैं और चाहते हैं कि हर काम सही क्रम में हो। आपमें एक कलाकार भी छिपा है, और आपको संगीत, चित्रकारी या लेखन में आनंद मिल सकता है। आप झगड़े से ज़्यादा शांति पसंद करते हैं, जहाँ तक हो सके टकराव से बचते हैं, और कड़वे शब्दों के बजाय नरम शब्द चुनते हैं।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you have a strong fascination for pineapple, you seem to possess extra ordinary organizing skills. You make quick judgments and are usually right, for you see through people and situations at a glance. You are not afraid of changing your career when a better path appears, and you face fresh beginnings with courage. You are responsible and honest, and people know they can rely on your word. You have only a few friends, but those friendships last for a whole lifetime. In romance you are practical rather than dreamy, and you look for a partner with whom you can build a stable and happy life, one sensible step at a time.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>अगर अनानास आपको खास तौर पर लुभाता है, तो आपमें इंतज़ाम करने का गज़ब का हुनर है। आप जल्दी फ़ैसला करते हैं और अक्सर सही निकलते हैं, क्योंकि आप एक नज़र में लोगों और हालात को भाँप लेते हैं। बेहतर राह दिखे तो आप करियर बदलने से नहीं डरते, और नई शुरुआत का सामना हिम्मत से करते हैं। आप ज़िम्मेदार और ईमानदार हैं, और लोग जानते हैं कि आपकी बात पर भरोसा किया जा सकता है। आपके दोस्त कम हैं, पर वे दोस्तियाँ उम्र भर चलती हैं। प्यार में आप सपनों में खोने के बजाय व्यावहारिक रहते हैं, और ऐसा साथी ढूँढते हैं जिसके साथ समझदारी से, कदम-दर-कदम, एक स्थिर और खुशहाल ज़िंदगी बना सकें।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you love papaya best of all kinds of fruits, you are a thoughtful and calculative person. You carefully weigh the pros and cons before you take any decision, and so you seldom have cause to regret it. You are courageous and reliable, and friends and family turn to you in times of need. Jovial and generous by nature, you like to share your good fortune with all those around you. You have a fine sense of timing and know just when to act and when to wait. In your profession you are ambitious, and you aim high and work hard and steadily to reach the top. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>अगर सब फलों में आपको पपीता सबसे ज़्यादा पसंद है, तो आप सोच-विचार करने वाले और हिसाब लगाकर चलने वाले इंसान हैं। कोई भी फ़ैसला लेने से पहले आप ध्यान से उसके फ़ायदे-नुकसान तौलते हैं, इसलिए आपको शायद ही कभी पछताना पड़ता है। आप हिम्मती और भरोसेमंद हैं, और ज़रूरत के वक्त दोस्त और परिवार वाले आपकी ओर देखते हैं। स्वभाव से हँसमुख और दिलदार, आप अपनी खुशकिस्मती आसपास के सभी लोगों के साथ बाँटना पसंद करते हैं। आपको सही वक्त की अच्छी समझ है, और आप जानते हैं कि कब कदम उठाना है और कब रुकना है। अपने पेशे में आप महत्वाकांक्षी हैं, ऊँचा लक्ष्य रखते हैं और शिखर तक पहुँचने के लिए लगातार कड़ी मेहनत करते हैं। </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Peach loving persons always look at the sunny side of life. You are optimistic by nature, and even in bad times you believe that things will turn out well in the end. You are candid and outspoken, and you say what you think without fear. You make friends with strangers easily, and a chance meeting with you often grows into a lasting friendship. You value your independence and like to go your own way, wherever it leads. You are ambitious and set high goals for yourself. In love you are passionate and true. You give your whole heart to the one you love and stand by your partner through every season of life.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>आड़ू पसंद करने वाले लोग हमेशा ज़िंदगी का उजला पहलू देखते हैं। आप स्वभाव से आशावादी हैं, और बुरे वक्त में भी मानते हैं कि आखिर में सब ठीक हो जाएगा। आप साफ़गो और बेबाक हैं, और जो सोचते हैं, बेखौफ़ कह देते हैं। अनजान लोगों से आपकी दोस्ती आसानी से हो जाती है, और आपसे हुई एक इत्तफ़ाकी मुलाकात अक्सर पक्की दोस्ती बन जाती है। आप अपनी आज़ादी को अहमियत देते हैं और अपनी राह चलना पसंद करते हैं, वह जहाँ भी ले जाए। आप महत्वाकांक्षी हैं और अपने लिए ऊँचे लक्ष्य रखते हैं। प्यार में आप जोशीले और सच्चे हैं। आप जिसे चाहते हैं, उसे पूरा दिल दे देते हैं और ज़िंदगी के हर मौसम में अपने साथी का साथ निभाते हैं।</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You have a problem in concentrating in a specific task. You take up new hobbies and plans with great enthusiasm, but all too often that enthusiasm fades before the job is done. You are impatient for results and want to see the fruits of your work at once. You have a way with words and can talk easily on nearly any subject, which makes you good company at any gathering. You are restless by nature and always on the move, looking for something new to keep your mind busy. You make friends easily wherever you go, but the bonds you form do not always last, as your restless heart soon draws you on to new people and new places. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>किसी एक काम पर ध्यान लगाना आपके लिए मुश्किल होता है। आप नए शौक और योजनाएँ बड़े जोश से शुरू करते हैं, पर अक्सर काम पूरा होने से पहले ही वह जोश ठंडा पड़ जाता है। नतीजों के लिए आप बेसब्र रहते हैं और अपनी मेहनत का फल तुरंत देखना चाहते हैं। आपको बातों का हुनर आता है और आप लगभग किसी भी विषय पर आसानी से बात कर लेते हैं, इसलिए हर महफ़िल में लोग आपका साथ पसंद करते हैं। आप स्वभाव से बेचैन हैं और हमेशा कुछ नया ढूँढते रहते हैं जो आपके दिमाग को व्यस्त रखे। आप जहाँ जाते हैं, आसानी से दोस्त बना लेते हैं, पर ये रिश्ते हमेशा टिकते नहीं, क्योंकि आपका बेचैन दिल जल्द ही आपको नए लोगों और नई जगहों की ओर खींच ले जाता है। </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/resources/ui/frmabout.ui" line="+21"/>
        <source>Click here to visit Tarnwell</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, one line of at most 310 pixels.</extracomment>
        <translation>Tarnwell पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines at most in 417 pixels, bold.</extracomment>
        <translation>घर बैठे बिज़नेस का मौका। अपना इंटरनेट बिज़नेस शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click here for more details.</source>
        <extracomment>A link after the offer above: bold and underlined, one line of at most 180 pixels.</extracomment>
        <translation>ज़्यादा जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>OK</source>
        <extracomment>Closes the About window: a button 84 pixels wide.</extracomment>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <location filename="../src/resources/ui/frmdisplay.ui" line="+91"/>
        <location line="+363"/>
        <source>&amp;Back</source>
        <extracomment>Returns to the main window, with the name still typed: a button 81 pixels wide, bold.</extracomment>
        <translation>वापस(&amp;B)</translation>
    </message>
    <message>
        <location line="-337"/>
        <source>Click on one of the fruits that you feel attracted to or is your favorite.</source>
        <extracomment>Above the twelve fruit pictures: bold, on one line of at most 500 pixels.</extracomment>
        <translation>जो फल आपको सबसे अच्छा लगे या अपनी ओर खींचे, उस पर क्लिक करें।</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 560 pixels.</extracomment>
        <translation>Vellum का सबसे लोकप्रिय फ़ोरम और हर बात का सबसे अच्छा ठिकाना। अभी Tarnwell पर आएँ</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Fruit Astrology Interpretation</source>
        <extracomment>The title of the frame round the reading: bold, in a frame 577 pixels wide.</extracomment>
        <translation>आपका फल, आपका स्वभाव</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>मदद(&amp;H)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <extracomment>The File menu&apos;s item that returns to the main window.</extracomment>
        <translation>वापस</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>बंद करें(&amp;X)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदद(&amp;O)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ(&amp;V)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें(&amp;U)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <translation>दान करें(&amp;D)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <location filename="../src/resources/ui/frmfarewell.ui" line="+38"/>
        <source>Click Here To Visit Tarnwell Now</source>
        <extracomment>A big button (479 pixels wide, a 19-pixel font) that opens the maker&apos;s forum, Tarnwell.</extracomment>
        <translation>अभी Tarnwell पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program: a button 83 pixels wide.</extracomment>
        <translation>बंद करें(&amp;X)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer A Friend</source>
        <extracomment>The title of the refer-a-friend form&apos;s frame, bold.</extracomment>
        <translation>दोस्त को बताएँ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide and 19 high, bold.</extracomment>
        <translation>अभी दोस्त को बताएँ(&amp;N)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download Vellum Softwares</source>
        <extracomment>The title of a frame 249 pixels wide about the maker&apos;s other programs: bold, 13-pixel font.</extracomment>
        <translation>Vellum Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit Vellum Softwares</source>
        <extracomment>A link to the maker&apos;s home page: bold and underlined, one line of at most 239 pixels.</extracomment>
        <translation>Vellum Softwares की साइट पर जाएँ</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/resources/ui/frmmain.ui" line="+93"/>
        <source>Please Fill In The Below Details:</source>
        <extracomment>The title of the frame round the name box and the introduction: bold, in a frame 497 pixels wide.</extracomment>
        <translation>आपका नाम:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Name:-</source>
        <extracomment>The label before the name box, in the 40 pixels left of it: about six narrow characters. Screen readers read it out as the name box&apos;s name.</extracomment>
        <translation>नाम:</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+86"/>
        <source>Get My &amp;Fruit Astrology Reading</source>
        <extracomment>The button (211 pixels wide, bold) and the File menu item that hand over to the fruit pictures. Button and menu item keep the same access key.</extracomment>
        <translation>मेरा फल-राशिफल देखें(&amp;R)</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+73"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program (through its farewell window).</extracomment>
        <translation>बंद करें(&amp;X)</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 480 pixels.</extracomment>
        <translation>Vellum का सबसे लोकप्रिय फ़ोरम और हर बात का सबसे अच्छा ठिकाना। अभी Tarnwell पर आएँ</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>मदद(&amp;H)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदद(&amp;O)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ(&amp;V)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें(&amp;C)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <extracomment>A menu bar item of its own: opens the maker&apos;s donation page.</extracomment>
        <translation>दान करें(&amp;D)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <extracomment>A menu bar item of its own: opens the offer of the program under one&apos;s own name.</extracomment>
        <translation>ऑनलाइन कमाएँ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+50"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>A message box with Yes and No, at start-up once two weeks have passed. The lone carriage return breaks the line: keep one between the two sentences.</extracomment>
        <translation>शायद इस सॉफ़्टवेयर का नया अपडेट आ गया है।<byte value="xd"/>क्या आप अपडेट देखना चाहेंगे?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../src/outreach/tellafriend.cpp" line="+22"/>
        <source>Your Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल पता लिखें</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Message</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form; this box is about 100 pixels wide.</extracomment>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश लिखें</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>दोस्त का नाम</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने दोस्त का नाम लिखें</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>दोस्त का ईमेल पता</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने दोस्त का ईमेल पता लिखें</translation>
    </message>
</context>
</TS>
