<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DisplayPlatform</name>
    <message>
        <location filename="../src/platform/linux/displayplatform.cpp" line="+49"/>
        <source>the X display (DISPLAY is not set)</source>
        <translation>l&apos;affichage X (DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the X display %1</source>
        <extracomment>%1 is the name of an X display, such as :5.</extracomment>
        <translation>l&apos;affichage X %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland socket %1</source>
        <extracomment>%1 is the path of a Wayland socket.</extracomment>
        <translation>la socket Wayland %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Wayland socket %1 (XDG_RUNTIME_DIR is not set)</source>
        <translation>la socket Wayland %1 (XDG_RUNTIME_DIR n&apos;est pas défini)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source> or </source>
        <extracomment>Joins the places or platforms of the line that says why no window can be shown.</extracomment>
        <translation> ou </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 names one or more places, such as &quot;the X display :5&quot;, joined by &quot; or &quot;.</extracomment>
        <translation>impossible de se connecter à %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start the platform %1</source>
        <extracomment>%1 names one or more platforms of Qt, each in double quotes.</extracomment>
        <translation>impossible de démarrer la plateforme %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: no window can be shown: %2</source>
        <extracomment>A line on the terminal when start-up finds no display: %1 is the program&apos;s name, %2 why no window can be shown.</extracomment>
        <translation>%1 : aucune fenêtre ne peut être affichée : %2</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <location filename="../src/outreach/frmfarewell.cpp" line="+115"/>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>A message box: the refer-a-friend form holds the same address for the user and the friend.</extracomment>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Proper Email Address</source>
        <extracomment>A message box: an address of the refer-a-friend form lacks &quot;@&quot; or &quot;.&quot;.</extracomment>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>A message box: the user typed a space in an e-mail address box.</extracomment>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/reading/frmmain.cpp" line="+91"/>
        <source>Please Enter Only Alphabet</source>
        <extracomment>A message box: the user typed a key the name box refuses. In a translation the box takes the letters of every script and spaces; digits, punctuation and symbols are refused.</extracomment>
        <translation>Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Please Enter Your Name</source>
        <extracomment>A message box: the name box is empty when the user asks for a reading.</extracomment>
        <translation>Veuillez saisir votre nom</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <location filename="../src/app/frmstartup.cpp" line="+33"/>
        <source>Application is already running</source>
        <extracomment>A message box: the user started the program while it runs already.</extracomment>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>FruitCatalogue</name>
    <message>
        <location filename="../src/reading/fruitcatalogue.cpp" line="+15"/>
        <source>Apple</source>
        <translation>Pomme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Grapes</source>
        <translation>Raisin noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherry</source>
        <translation>Cerise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coconut</source>
        <translation>Noix de coco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custard Apple</source>
        <translation>Pomme cannelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mango</source>
        <translation>Mangue</translation>
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
        <translation>Papaye</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pear</source>
        <translation>Poire</translation>
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
        <translation>Quintavel vous en dit plus sur votre personnalité d&apos;après le fruit que vous choisissez. Chaque fruit a sa propre personnalité, et le vôtre révèle votre moi intérieur comme l&apos;image que les autres ont de vous.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Co-brand this software for your site.  Put your site name &amp;&amp; link in it and share it with your visitors.    See the Help file for full details.  Click Here for more info on co-branding.</source>
        <extracomment>An offer to put the program on one&apos;s own web site, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; the runs of spaces only part its sentences.</extracomment>
        <translation>Personnalisez ce logiciel pour votre site.  Ajoutez-y son nom &amp;&amp; son lien et partagez-le avec vos visiteurs.  Détails dans l&apos;aide.  Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>An offer of a copy of the program under one&apos;s own name, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide.</extracomment>
        <translation>Travail à domicile&#xa0;: lancez votre activité Internet et gagnez de l&apos;argent. Obtenez ce logiciel à votre marque pour votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has it own personality that is reflected in the choice of the person. This software is owned by Vellum Softwares.</source>
        <extracomment>The About window&apos;s description: three lines at most in a box 425 pixels wide.</extracomment>
        <translation>Quintavel vous en dit plus sur votre personnalité d&apos;après le fruit choisi. Chaque fruit a sa personnalité, qui se reflète dans votre choix. Ce logiciel appartient à Vellum Softwares.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you have enjoyed this software you will surely be interested in our other Vellum Softwares. We make a whole family of astrology, psychic, tarot, numerology and occult programs, and every one of them is simple, fun and informative, just like this one.                                                             People all over the world use and love our programs, and some of them rank among the world’s favorite programs of their kind. Download them all today from our website and try them for yourself. If you enjoy them, please share them with your friends and family so that they can have fun with them too. </source>
        <extracomment>The farewell window&apos;s note on the maker&apos;s other programs: a box 233 pixels wide and 257 high (some 17 lines). The long run of spaces ends the first paragraph&apos;s last line, so that the second starts on a line of its own: keep a run long enough for that.</extracomment>
        <translation>Si ce programme vous a plu, nos autres logiciels Vellum Softwares vous intéresseront sûrement. Nous proposons toute une gamme de programmes d&apos;astrologie, de voyance, de tarot, de numérologie et d&apos;ésotérisme, tous simples, ludiques et instructifs, comme celui-ci.                                                             Partout dans le monde, on utilise et on adore nos programmes, et certains comptent parmi les favoris de leur catégorie. Téléchargez-les tous dès aujourd&apos;hui sur notre site et essayez-les. S&apos;ils vous plaisent, partagez-les avec vos amis et votre famille pour qu&apos;ils en profitent aussi. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vellum Softwares, such as this can be created and maintained only with your support. The best way to help us is to visit our forum, Tarnwell, regularly and take an active part in its discussions and other activities.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Les logiciels Vellum Softwares comme celui-ci n&apos;existent que grâce à votre soutien. La meilleure façon de nous aider&#xa0;: visiter souvent notre forum, Tarnwell, et participer activement à ses discussions et activités.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Visit Tarnwell regularly. Join in the discussions and take part in the other activities there. Without your frequent visits we cannot support and maintain all our programs or keep them free.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Visitez Tarnwell régulièrement. Participez aux discussions et aux autres activités. Sans vos visites fréquentes, nous ne pouvons ni faire vivre tous nos programmes ni les garder gratuits.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell is a FREE online discussion forum for all things vellum. If you visit it regularly, you help us to develop and maintain this software.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell est un forum de discussion GRATUIT sur l&apos;univers vellum. Vos visites régulières nous aident à développer et à maintenir ce logiciel.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell needs your help. Visit the forum regularly and take part in its discussions and activities. Your visits help us maintain this software and develop new programs just like it.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwell a besoin de vous. Visitez souvent le forum et participez à ses discussions et activités. Vos visites nous aident à maintenir ce logiciel et à en créer d&apos;autres comme lui.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If you have a liking for the sweet and juicy apple, you tend to indulge in expensive buys and a showy lifestyle. You are flamboyant and outspoken, and you never hesitate to say what is on your mind. Spontaneous and impulsive, you act on the spur of the moment and enjoy the thrill of the unexpected. You are a natural leader whom others gladly follow, though you are not always methodical and may leave the finer details to others. You love to travel and to discover new places and new faces. Amongst your friends you are charming, warm and generous, and your company is always in demand.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Si vous aimez la pomme douce et juteuse, vous cédez volontiers aux achats coûteux et à un train de vie fastueux. Vous avez du panache et votre franc-parler vous fait toujours dire ce que vous pensez. Spontanéité et impulsivité vous guident&#xa0;: vous agissez dans l&apos;instant et aimez le frisson de l&apos;imprévu. Leader dans l&apos;âme, vous entraînez les autres sans peine, même si la méthode n&apos;est pas votre fort et que vous leur laissez les détails. Vous adorez voyager, découvrir lieux et visages nouveaux. Entre amis, charme, chaleur et générosité font de vous une compagnie recherchée.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your compassionate nature and sympathetic understanding of others have a calming effect on those around you. Friends and even strangers come to you with their troubles, and you are a trusted confidant who keeps their secrets close. Yet you can be gullible and much too trusting, and people do not always earn the faith you place in them. You tend to lack self-confidence and are shy in the company of people you do not know, so your true worth is often seen only by those close to you. In love you are a gentle and caring partner, always ready to put the happiness of your loved one above your own.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Votre nature compatissante et votre compréhension des autres apaisent votre entourage. Amis et même inconnus viennent vous confier leurs soucis&#xa0;: avec vous, leurs secrets sont bien gardés. Pourtant, vous péchez parfois par crédulité et par excès de confiance, et les gens ne méritent pas toujours la foi que vous leur accordez. Vous manquez souvent d&apos;assurance et la timidité vous gagne face aux inconnus, si bien que seuls vos proches voient votre vraie valeur. En amour, douceur et attentions sont votre marque&#xa0;: le bonheur de l&apos;être aimé passe toujours avant le vôtre.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You are well known for your modesty and good manners. You are amiable and easy to get along with, and people quickly feel at home in your company. You do have a quick temper, but your anger is short-lived and you never hold a grudge for very long. You see beauty everywhere, in nature, in art and in the people you meet, and this makes your life rich and colorful. Lively and full of fun, you are popular wherever you go. You are an optimistic extrovert who looks forward to every new day, and your cheerful spirit lifts the mood of everyone around you.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>On vous connaît pour votre modestie et vos bonnes manières. Aimable et facile à vivre, vous mettez aussitôt les gens à l&apos;aise. Vous avez la tête près du bonnet, mais votre colère retombe vite et vous ne gardez jamais rancune longtemps. Vous voyez la beauté partout&#xa0;: dans la nature, l&apos;art et les gens que vous croisez, ce qui rend votre vie riche et colorée. Votre entrain et votre gaieté vous rendent populaire où que vous alliez. D&apos;un naturel optimiste et extraverti, vous accueillez chaque jour avec joie, et votre bonne humeur égaie votre entourage.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The round luscious cherries intrigue your mind and so does the world around you. You are an imaginative dreamer who loves to build castles in the air, and your head is always full of new ideas. Your life is likely to take many twists and turns, and not all of them will be easy. You will have to work hard to build your career, and success may come later than you hope. Money matters can be a source of worry for you, so learn to plan and save with care. Though you feel things deeply, you find it hard to show your emotions, and those close to you may not always know how much you really care.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Les cerises rondes et gourmandes piquent votre curiosité, tout comme le monde alentour. Âme rêveuse et imaginative, vous bâtissez volontiers des châteaux en Espagne, la tête pleine d&apos;idées nouvelles. Votre vie connaîtra sans doute bien des détours, pas toujours faciles. Vous devrez beaucoup travailler pour faire carrière, et le succès pourrait tarder plus que vous ne l&apos;espérez. L&apos;argent peut vous causer des soucis&#xa0;: apprenez à prévoir et à épargner avec soin. Vous ressentez tout profondément, mais montrez mal vos émotions, et vos proches ignorent parfois combien vous tenez à eux.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The coconut loving persons choose their friends and companions after much thought. You are sociable and enjoy good company, but you are very choosy about whom you let into your inner circle. Your opinions are austere and firmly held, and you do not change them lightly. You are clever and industrious, and you put great effort into all that you do, however small the task. At work you have a commanding presence, and others look up to you for direction. In love you want a partner who is both intelligent and loving, someone who can match your mind as well as warm your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Les amateurs de noix de coco choisissent amis et compagnons après mûre réflexion. Sociable, vous aimez la bonne compagnie, mais seuls quelques élus entrent dans votre cercle intime. Vos opinions sont austères et bien arrêtées, et vous n&apos;en changez pas à la légère. Vous avez l&apos;esprit vif et le goût de l&apos;effort&#xa0;: vous vous donnez à fond, si petite que soit la tâche. Au travail, votre présence s&apos;impose et l&apos;on compte sur vous pour montrer la voie. En amour, vous cherchez quelqu&apos;un d&apos;intelligent et d&apos;aimant, qui soit à votre hauteur et sache réchauffer votre cœur.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You respect time honored values and ideas above modern points of view. You are conservative in your outlook and hold on to the customs you grew up with, yet beneath this firm exterior lies a sensitive soul that is easily wounded. You are ambitious and systematic, and you reach your goals step by step through careful planning and steady effort. Despite your achievements you stay modest and never boast of your success. Your tastes are refined, and you enjoy the finer things of life in a quiet and graceful way. When it comes to love, you value your partner&apos;s intelligence far more than good looks, for a sharp mind wins your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Vous placez les valeurs et idées consacrées par le temps au-dessus des vues modernes. De tempérament conservateur, vous restez fidèle aux coutumes de votre enfance, mais sous ces dehors fermes se cache une âme sensible, vite blessée. Avec ambition et méthode, vous atteignez vos buts pas à pas, par une planification soignée et des efforts constants. Malgré vos réussites, vous restez modeste et ne vous vantez jamais. Vos goûts sont raffinés et vous savourez les belles choses de la vie avec discrétion et élégance. En amour, l&apos;intelligence de l&apos;autre compte bien plus que sa beauté&#xa0;: c&apos;est un esprit vif qui gagne votre cœur.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends to be quite radical in his ideas and thoughts. You are hard to convince unless you are given sound reasons, and you never accept an idea simply because others do. You have a gift for steering any situation the way you want it to go, even when others give up. When a challenge comes your way, you throw yourself into it wholeheartedly and give it your very best. You are strong-willed and stand firm in all that you believe, yet deep inside you are in need of affection and long for the warmth of people who love you. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Si le cœur doux et parfumé des mangues mûres vous attire profondément, vous avez sans doute des idées et des vues assez radicales. Difficile à convaincre sans arguments solides, vous n&apos;adoptez jamais une idée simplement parce que d&apos;autres l&apos;ont fait. Vous avez le don d&apos;orienter toute situation à votre guise, même quand les autres renoncent. Face à un défi, vous vous y lancez corps et âme et donnez le meilleur de vous-même. Votre volonté est forte et vos convictions inébranlables, mais au fond de vous, vous avez besoin d&apos;affection et aspirez à la chaleur de ceux qui vous aiment. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Those favoring orange over all other fruits may appear to be timid and introvert people. But appearances can deceive, for you have a great inner strength and a willpower that carries you through hard times. You are patient and steady, and you work towards your goals without haste or fuss. Laziness is something you cannot stand, whether in yourself or in others. You are methodical in your ways and like to see things done in their proper order. You also have an artistic side, and you may find joy in music, painting or writing. You prefer peace to strife and avoid conflict wherever you can, choosing calm words over harsh ones.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Ceux qui préfèrent l&apos;orange à tout autre fruit peuvent paraître timides et introvertis. Mais les apparences trompent&#xa0;: vous avez une grande force intérieure et une volonté qui vous porte dans l&apos;adversité. Avec patience et constance, vous avancez vers vos buts sans hâte ni agitation. La paresse vous est insupportable, chez vous comme chez autrui. Méthodique, vous aimez que tout se fasse dans l&apos;ordre. Vous avez aussi une fibre artistique&#xa0;: musique, peinture ou écriture peuvent vous combler. Vous préférez la paix à la discorde et évitez autant que possible les conflits, choisissant des mots calmes plutôt que durs.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you have a strong fascination for pineapple, you seem to possess extra ordinary organizing skills. You make quick judgments and are usually right, for you see through people and situations at a glance. You are not afraid of changing your career when a better path appears, and you face fresh beginnings with courage. You are responsible and honest, and people know they can rely on your word. You have only a few friends, but those friendships last for a whole lifetime. In romance you are practical rather than dreamy, and you look for a partner with whom you can build a stable and happy life, one sensible step at a time.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Si l&apos;ananas vous fascine, vous avez sans doute un sens de l&apos;organisation hors du commun. Vous jugez vite et généralement juste, car vous cernez les gens et les situations d&apos;un seul coup d&apos;œil. Vous n&apos;avez pas peur de changer de carrière quand une meilleure voie s&apos;ouvre, et vous abordez les nouveaux départs avec courage. Responsable et honnête, vous tenez parole, et chacun sait pouvoir compter sur vous. Vous avez peu d&apos;amis, mais ces amitiés durent toute une vie. En amour, le pragmatisme l&apos;emporte sur la rêverie&#xa0;: vous cherchez quelqu&apos;un avec qui bâtir une vie stable et heureuse, pas à pas, avec bon sens.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you love papaya best of all kinds of fruits, you are a thoughtful and calculative person. You carefully weigh the pros and cons before you take any decision, and so you seldom have cause to regret it. You are courageous and reliable, and friends and family turn to you in times of need. Jovial and generous by nature, you like to share your good fortune with all those around you. You have a fine sense of timing and know just when to act and when to wait. In your profession you are ambitious, and you aim high and work hard and steadily to reach the top. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Si la papaye est votre fruit préféré, vous êtes une personne réfléchie et calculatrice. Vous pesez soigneusement le pour et le contre avant de décider, aussi avez-vous rarement à le regretter. Votre courage et votre fiabilité font de vous un appui pour vos proches dans l&apos;adversité. D&apos;un naturel jovial et généreux, vous aimez partager votre bonne fortune avec votre entourage. Vous savez d&apos;instinct quand agir et quand attendre. Dans votre métier, l&apos;ambition vous pousse à viser haut et à travailler dur, avec constance, pour atteindre le sommet. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Peach loving persons always look at the sunny side of life. You are optimistic by nature, and even in bad times you believe that things will turn out well in the end. You are candid and outspoken, and you say what you think without fear. You make friends with strangers easily, and a chance meeting with you often grows into a lasting friendship. You value your independence and like to go your own way, wherever it leads. You are ambitious and set high goals for yourself. In love you are passionate and true. You give your whole heart to the one you love and stand by your partner through every season of life.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Les amateurs de pêches voient toujours la vie du bon côté. D&apos;un naturel optimiste, vous croyez, même dans les moments durs, que tout finira par s&apos;arranger. Sincère, vous avez votre franc-parler et dites sans crainte ce que vous pensez. Vous vous liez facilement avec des inconnus, et une rencontre fortuite devient souvent avec vous une amitié durable. Vous tenez à votre indépendance et aimez suivre votre chemin, où qu&apos;il mène. L&apos;ambition vous pousse à viser haut. En amour, passion et fidélité vous caractérisent&#xa0;: vous donnez tout votre cœur à l&apos;être aimé et restez à ses côtés à chaque saison de la vie.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You have a problem in concentrating in a specific task. You take up new hobbies and plans with great enthusiasm, but all too often that enthusiasm fades before the job is done. You are impatient for results and want to see the fruits of your work at once. You have a way with words and can talk easily on nearly any subject, which makes you good company at any gathering. You are restless by nature and always on the move, looking for something new to keep your mind busy. You make friends easily wherever you go, but the bonds you form do not always last, as your restless heart soon draws you on to new people and new places. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Vous avez du mal à vous concentrer sur une tâche précise. Vous vous lancez avec enthousiasme dans de nouveaux loisirs et projets, mais trop souvent, cet élan retombe avant la fin. L&apos;impatience vous gagne&#xa0;: vous voulez voir aussitôt les fruits de vos efforts. Vous avez la parole facile et savez parler de presque tout&#xa0;: on apprécie votre compagnie en société. D&apos;un naturel remuant, toujours en mouvement, vous cherchez sans cesse du nouveau pour occuper votre esprit. Vous vous faites des amis partout, mais ces liens ne durent pas toujours, car votre cœur vagabond vous entraîne vite vers d&apos;autres gens et d&apos;autres lieux. </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/resources/ui/frmabout.ui" line="+21"/>
        <source>Click here to visit Tarnwell</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, one line of at most 310 pixels.</extracomment>
        <translation>Cliquez ici pour visiter Tarnwell</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines at most in 417 pixels, bold.</extracomment>
        <translation>Travail à domicile&#xa0;: lancez votre activité Internet et gagnez de l&apos;argent. Obtenez ce logiciel à votre marque pour votre site.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click here for more details.</source>
        <extracomment>A link after the offer above: bold and underlined, one line of at most 180 pixels.</extracomment>
        <translation>Plus de détails&#xa0;: cliquez ici.</translation>
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
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location line="-337"/>
        <source>Click on one of the fruits that you feel attracted to or is your favorite.</source>
        <extracomment>Above the twelve fruit pictures: bold, on one line of at most 500 pixels.</extracomment>
        <translation>Cliquez sur le fruit qui vous attire ou que vous préférez.</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 560 pixels.</extracomment>
        <translation>Le forum de discussion Vellum n°&#xa0;1 en ligne. La référence de l&apos;univers Vellum. Visitez Tarnwell&#xa0;!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Fruit Astrology Interpretation</source>
        <extracomment>The title of the frame round the reading: bold, in a frame 577 pixels wide.</extracomment>
        <translation>Interprétation astrologique</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <extracomment>The File menu&apos;s item that returns to the main window.</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l&apos;argent</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <location filename="../src/resources/ui/frmfarewell.ui" line="+38"/>
        <source>Click Here To Visit Tarnwell Now</source>
        <extracomment>A big button (479 pixels wide, a 19-pixel font) that opens the maker&apos;s forum, Tarnwell.</extracomment>
        <translation>Cliquez ici pour visiter Tarnwell</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program: a button 83 pixels wide.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer A Friend</source>
        <extracomment>The title of the refer-a-friend form&apos;s frame, bold.</extracomment>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide and 19 high, bold.</extracomment>
        <translation>&amp;Envoyer maintenant</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download Vellum Softwares</source>
        <extracomment>The title of a frame 249 pixels wide about the maker&apos;s other programs: bold, 13-pixel font.</extracomment>
        <translation>Télécharger Vellum Softwares</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit Vellum Softwares</source>
        <extracomment>A link to the maker&apos;s home page: bold and underlined, one line of at most 239 pixels.</extracomment>
        <translation>Visitez le site de Vellum Softwares</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/resources/ui/frmmain.ui" line="+93"/>
        <source>Please Fill In The Below Details:</source>
        <extracomment>The title of the frame round the name box and the introduction: bold, in a frame 497 pixels wide.</extracomment>
        <translation>Remplissez les champs ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Name:-</source>
        <extracomment>The label before the name box, in the 40 pixels left of it: about six narrow characters. Screen readers read it out as the name box&apos;s name.</extracomment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+86"/>
        <source>Get My &amp;Fruit Astrology Reading</source>
        <extracomment>The button (211 pixels wide, bold) and the File menu item that hand over to the fruit pictures. Button and menu item keep the same access key.</extracomment>
        <translation>Voir mon &amp;horoscope des fruits</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+73"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program (through its farewell window).</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 480 pixels.</extracomment>
        <translation>Le forum de discussion Vellum n°&#xa0;1 en ligne. La référence de l&apos;univers Vellum. Visitez Tarnwell&#xa0;!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <extracomment>A menu bar item of its own: opens the maker&apos;s donation page.</extracomment>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <extracomment>A menu bar item of its own: opens the offer of the program under one&apos;s own name.</extracomment>
        <translation>&amp;Gagner de l&apos;argent</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+50"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>A message box with Yes and No, at start-up once two weeks have passed. The lone carriage return breaks the line: keep one between the two sentences.</extracomment>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../src/outreach/tellafriend.cpp" line="+22"/>
        <source>Your Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Message</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form; this box is about 100 pixels wide.</extracomment>
        <translation>Votre message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>E-mail de votre ami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
    </message>
</context>
</TS>
