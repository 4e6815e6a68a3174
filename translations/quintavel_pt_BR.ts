<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DisplayPlatform</name>
    <message>
        <location filename="../src/platform/linux/displayplatform.cpp" line="+49"/>
        <source>the X display (DISPLAY is not set)</source>
        <translation>o display X (variável DISPLAY não definida)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the X display %1</source>
        <extracomment>%1 is the name of an X display, such as :5.</extracomment>
        <translation>o display X %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland socket %1</source>
        <extracomment>%1 is the path of a Wayland socket.</extracomment>
        <translation>o socket Wayland %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Wayland socket %1 (XDG_RUNTIME_DIR is not set)</source>
        <translation>o socket Wayland %1 (variável XDG_RUNTIME_DIR não definida)</translation>
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
        <translation>não foi possível acessar %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start the platform %1</source>
        <extracomment>%1 names one or more platforms of Qt, each in double quotes.</extracomment>
        <translation>não foi possível iniciar a plataforma %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: no window can be shown: %2</source>
        <extracomment>A line on the terminal when start-up finds no display: %1 is the program&apos;s name, %2 why no window can be shown.</extracomment>
        <translation>%1: nenhuma janela pode ser exibida: %2</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <location filename="../src/outreach/frmfarewell.cpp" line="+115"/>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>A message box: the refer-a-friend form holds the same address for the user and the friend.</extracomment>
        <translation>Digite endereços de e-mail diferentes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Proper Email Address</source>
        <extracomment>A message box: an address of the refer-a-friend form lacks &quot;@&quot; or &quot;.&quot;.</extracomment>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>A message box: the user typed a space in an e-mail address box.</extracomment>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/reading/frmmain.cpp" line="+91"/>
        <source>Please Enter Only Alphabet</source>
        <extracomment>A message box: the user typed a key the name box refuses. In a translation the box takes the letters of every script and spaces; digits, punctuation and symbols are refused.</extracomment>
        <translation>Digite apenas letras</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Please Enter Your Name</source>
        <extracomment>A message box: the name box is empty when the user asks for a reading.</extracomment>
        <translation>Digite seu nome</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <location filename="../src/app/frmstartup.cpp" line="+33"/>
        <source>Application is already running</source>
        <extracomment>A message box: the user started the program while it runs already.</extracomment>
        <translation>O programa já está em execução</translation>
    </message>
</context>
<context>
    <name>FruitCatalogue</name>
    <message>
        <location filename="../src/reading/fruitcatalogue.cpp" line="+15"/>
        <source>Apple</source>
        <translation>Maçã</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Banana</source>
        <translation>Banana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Grapes</source>
        <translation>Uvas pretas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherry</source>
        <translation>Cereja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coconut</source>
        <translation>Coco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custard Apple</source>
        <translation>Fruta-do-conde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mango</source>
        <translation>Manga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paneapple</source>
        <extracomment>The pineapple. &quot;Paneapple&quot; is how the English display has always spelled it; use the ordinary word of your language.</extracomment>
        <translation>Abacaxi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papaya</source>
        <translation>Mamão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>Pêssego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pear</source>
        <translation>Pera</translation>
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
        <translation>O Quintavel revela mais sobre a sua personalidade a partir da fruta que você escolhe. Cada fruta tem sua própria personalidade, e a escolhida fala do seu eu interior e também do eu exterior que os outros veem.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Co-brand this software for your site.  Put your site name &amp;&amp; link in it and share it with your visitors.    See the Help file for full details.  Click Here for more info on co-branding.</source>
        <extracomment>An offer to put the program on one&apos;s own web site, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; the runs of spaces only part its sentences.</extracomment>
        <translation>Ponha a marca do seu site neste programa.  Inclua o nome &amp;&amp; o link do site e compartilhe com seus visitantes.  Detalhes na Ajuda.  Clique aqui e saiba mais sobre o cobranding.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>An offer of a copy of the program under one&apos;s own name, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide.</extracomment>
        <translation>Oportunidade de negócio em casa. Monte seu negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui e saiba mais.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has it own personality that is reflected in the choice of the person. This software is owned by Vellum Softwares.</source>
        <extracomment>The About window&apos;s description: three lines at most in a box 425 pixels wide.</extracomment>
        <translation>O Quintavel revela mais sobre a sua personalidade a partir da fruta que você escolhe. Cada fruta tem uma personalidade própria, refletida na escolha da pessoa. Este programa pertence à Vellum Softwares.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you have enjoyed this software you will surely be interested in our other Vellum Softwares. We make a whole family of astrology, psychic, tarot, numerology and occult programs, and every one of them is simple, fun and informative, just like this one.                                                             People all over the world use and love our programs, and some of them rank among the world’s favorite programs of their kind. Download them all today from our website and try them for yourself. If you enjoy them, please share them with your friends and family so that they can have fun with them too. </source>
        <extracomment>The farewell window&apos;s note on the maker&apos;s other programs: a box 233 pixels wide and 257 high (some 17 lines). The long run of spaces ends the first paragraph&apos;s last line, so that the second starts on a line of its own: keep a run long enough for that.</extracomment>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Vellum Softwares. Criamos uma família inteira de programas de astrologia, vidência, tarô, numerologia e ocultismo, e todos são simples, divertidos e informativos, como este.                                                             Pessoas do mundo todo usam e adoram nossos programas, e alguns estão entre os favoritos do mundo na sua categoria. Baixe todos hoje mesmo no nosso site e experimente você mesmo. Se gostar, compartilhe com seus amigos e sua família para que eles também se divirtam. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vellum Softwares, such as this can be created and maintained only with your support. The best way to help us is to visit our forum, Tarnwell, regularly and take an active part in its discussions and other activities.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Programas da Vellum Softwares como este só podem ser criados e mantidos com o seu apoio. A melhor forma de ajudar é visitar sempre nosso fórum, o Tarnwell, e participar ativamente das discussões e demais atividades.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Visit Tarnwell regularly. Join in the discussions and take part in the other activities there. Without your frequent visits we cannot support and maintain all our programs or keep them free.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Visite o Tarnwell com frequência. Participe das discussões e das outras atividades. Sem suas visitas frequentes, não conseguimos sustentar e manter nossos programas nem deixá-los grátis.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell is a FREE online discussion forum for all things vellum. If you visit it regularly, you help us to develop and maintain this software.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>O Tarnwell é um fórum online GRÁTIS sobre tudo o que envolve vellum. Visitando-o sempre, você nos ajuda a desenvolver e manter este programa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell needs your help. Visit the forum regularly and take part in its discussions and activities. Your visits help us maintain this software and develop new programs just like it.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>O Tarnwell precisa da sua ajuda. Visite o fórum com frequência e participe das discussões e atividades. Suas visitas nos ajudam a manter este programa e a criar outros como ele.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If you have a liking for the sweet and juicy apple, you tend to indulge in expensive buys and a showy lifestyle. You are flamboyant and outspoken, and you never hesitate to say what is on your mind. Spontaneous and impulsive, you act on the spur of the moment and enjoy the thrill of the unexpected. You are a natural leader whom others gladly follow, though you are not always methodical and may leave the finer details to others. You love to travel and to discover new places and new faces. Amongst your friends you are charming, warm and generous, and your company is always in demand.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Se você tem um fraco pela maçã doce e suculenta, tende a se dar ao luxo de compras caras e de um estilo de vida cheio de ostentação. Você é extravagante e franco, e nunca hesita em dizer o que lhe passa pela cabeça. Espontâneo e impulsivo, age no calor do momento e adora a emoção do inesperado. É um líder nato, que os outros seguem de bom grado, embora nem sempre seja metódico e possa deixar os detalhes mais finos para os outros. Você adora viajar e descobrir novos lugares e novos rostos. Entre os amigos, é charmoso, caloroso e generoso, e sua companhia é sempre muito disputada.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your compassionate nature and sympathetic understanding of others have a calming effect on those around you. Friends and even strangers come to you with their troubles, and you are a trusted confidant who keeps their secrets close. Yet you can be gullible and much too trusting, and people do not always earn the faith you place in them. You tend to lack self-confidence and are shy in the company of people you do not know, so your true worth is often seen only by those close to you. In love you are a gentle and caring partner, always ready to put the happiness of your loved one above your own.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Sua natureza compassiva e sua compreensão solidária com os outros acalmam quem está à sua volta. Amigos e até desconhecidos procuram você com seus problemas, e você é um confidente fiel, que guarda bem os segredos deles. Mas você pode ser ingênuo e confiar demais, e nem sempre as pessoas merecem a fé que você deposita nelas. Você tende a ter pouca autoconfiança e fica tímido perto de quem não conhece, por isso seu verdadeiro valor muitas vezes só é visto por quem está perto de você. No amor, é um parceiro meigo e atencioso, sempre pronto a pôr a felicidade de quem ama acima da sua.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You are well known for your modesty and good manners. You are amiable and easy to get along with, and people quickly feel at home in your company. You do have a quick temper, but your anger is short-lived and you never hold a grudge for very long. You see beauty everywhere, in nature, in art and in the people you meet, and this makes your life rich and colorful. Lively and full of fun, you are popular wherever you go. You are an optimistic extrovert who looks forward to every new day, and your cheerful spirit lifts the mood of everyone around you.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Você é conhecido pela sua modéstia e pelos seus bons modos. É amável e de fácil convivência, e as pessoas logo se sentem à vontade ao seu lado. Você tem pavio curto, mas sua raiva passa rápido e você nunca guarda rancor por muito tempo. Você vê beleza em tudo, na natureza, na arte e nas pessoas que conhece, e isso torna sua vida rica e colorida. Animado e divertido, faz sucesso aonde quer que vá. Você é um extrovertido otimista que espera com alegria cada novo dia, e seu jeito alegre levanta o astral de todos à sua volta.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The round luscious cherries intrigue your mind and so does the world around you. You are an imaginative dreamer who loves to build castles in the air, and your head is always full of new ideas. Your life is likely to take many twists and turns, and not all of them will be easy. You will have to work hard to build your career, and success may come later than you hope. Money matters can be a source of worry for you, so learn to plan and save with care. Though you feel things deeply, you find it hard to show your emotions, and those close to you may not always know how much you really care.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>As cerejas redondas e suculentas intrigam sua mente, assim como o mundo à sua volta. Você é um sonhador imaginativo que adora construir castelos no ar, e sua cabeça vive cheia de ideias novas. Sua vida deve dar muitas voltas, e nem todas serão fáceis. Você terá de trabalhar duro para construir sua carreira, e o sucesso pode chegar mais tarde do que espera. Questões de dinheiro podem preocupar você, então aprenda a planejar e a poupar com cuidado. Embora sinta tudo a fundo, você tem dificuldade de mostrar suas emoções, e quem está perto nem sempre sabe o quanto você se importa.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The coconut loving persons choose their friends and companions after much thought. You are sociable and enjoy good company, but you are very choosy about whom you let into your inner circle. Your opinions are austere and firmly held, and you do not change them lightly. You are clever and industrious, and you put great effort into all that you do, however small the task. At work you have a commanding presence, and others look up to you for direction. In love you want a partner who is both intelligent and loving, someone who can match your mind as well as warm your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Quem adora coco escolhe seus amigos e companheiros depois de muita reflexão. Você é sociável e gosta de boa companhia, mas é muito seletivo quanto a quem deixa entrar no seu círculo mais íntimo. Suas opiniões são austeras e firmes, e você não as muda à toa. Você é inteligente e trabalhador, e se empenha muito em tudo o que faz, por menor que seja a tarefa. No trabalho, sua presença impõe respeito, e os outros se guiam por você. No amor, você quer alguém ao mesmo tempo inteligente e carinhoso, que esteja à altura da sua mente e também aqueça seu coração.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You respect time honored values and ideas above modern points of view. You are conservative in your outlook and hold on to the customs you grew up with, yet beneath this firm exterior lies a sensitive soul that is easily wounded. You are ambitious and systematic, and you reach your goals step by step through careful planning and steady effort. Despite your achievements you stay modest and never boast of your success. Your tastes are refined, and you enjoy the finer things of life in a quiet and graceful way. When it comes to love, you value your partner&apos;s intelligence far more than good looks, for a sharp mind wins your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Você põe valores e ideias consagrados pelo tempo acima dos pontos de vista modernos. Tem uma visão conservadora e se apega aos costumes com que cresceu, mas sob esse exterior firme há uma alma sensível, que se magoa com facilidade. Você é ambicioso e sistemático, e alcança suas metas passo a passo, com planejamento cuidadoso e esforço constante. Apesar das suas conquistas, continua modesto e nunca se gaba do seu sucesso. Seu gosto é refinado, e você aprecia as coisas boas da vida de um jeito discreto e elegante. No amor, valoriza muito mais a inteligência do seu par do que a beleza, pois uma mente afiada conquista você.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends to be quite radical in his ideas and thoughts. You are hard to convince unless you are given sound reasons, and you never accept an idea simply because others do. You have a gift for steering any situation the way you want it to go, even when others give up. When a challenge comes your way, you throw yourself into it wholeheartedly and give it your very best. You are strong-willed and stand firm in all that you believe, yet deep inside you are in need of affection and long for the warmth of people who love you. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Quem ama manga e tem uma profunda afinidade com a polpa doce e perfumada da fruta madura tende a ser bem radical nas suas ideias e pensamentos. É difícil convencer você se não lhe derem boas razões, e você nunca aceita uma ideia só porque os outros aceitam. Você tem o dom de conduzir qualquer situação do jeito que quer, mesmo quando os outros desistem. Quando surge um desafio, você se entrega de corpo e alma e dá o melhor de si. Você tem força de vontade e se mantém firme em tudo em que acredita, mas, lá no fundo, precisa de afeto e anseia pelo calor de quem ama você. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Those favoring orange over all other fruits may appear to be timid and introvert people. But appearances can deceive, for you have a great inner strength and a willpower that carries you through hard times. You are patient and steady, and you work towards your goals without haste or fuss. Laziness is something you cannot stand, whether in yourself or in others. You are methodical in your ways and like to see things done in their proper order. You also have an artistic side, and you may find joy in music, painting or writing. You prefer peace to strife and avoid conflict wherever you can, choosing calm words over harsh ones.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Quem prefere a laranja a qualquer outra fruta pode parecer uma pessoa tímida e introvertida. Mas as aparências enganam, pois você tem uma grande força interior e uma força de vontade que sustenta você nos tempos difíceis. Você é paciente e constante, e avança rumo às suas metas sem pressa nem alarde. Preguiça é algo que você não suporta, nem em si mesmo nem nos outros. Você é metódico e gosta de ver tudo feito na devida ordem. Também tem um lado artístico e pode se alegrar com a música, a pintura ou a escrita. Prefere a paz à briga e evita conflitos sempre que pode, usando palavras calmas em vez de duras.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you have a strong fascination for pineapple, you seem to possess extra ordinary organizing skills. You make quick judgments and are usually right, for you see through people and situations at a glance. You are not afraid of changing your career when a better path appears, and you face fresh beginnings with courage. You are responsible and honest, and people know they can rely on your word. You have only a few friends, but those friendships last for a whole lifetime. In romance you are practical rather than dreamy, and you look for a partner with whom you can build a stable and happy life, one sensible step at a time.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Se você sente um fascínio especial por abacaxi, parece ter uma capacidade de organização extraordinária. Você faz julgamentos rápidos e geralmente acerta, pois decifra pessoas e situações num piscar de olhos. Não tem medo de mudar de carreira quando surge um caminho melhor, e encara novos começos com coragem. Você é responsável e honesto, e as pessoas sabem que podem confiar na sua palavra. Tem poucos amigos, mas essas amizades duram a vida inteira. No romance, você é mais prático do que sonhador e procura um parceiro com quem possa construir uma vida estável e feliz, um passo sensato de cada vez.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you love papaya best of all kinds of fruits, you are a thoughtful and calculative person. You carefully weigh the pros and cons before you take any decision, and so you seldom have cause to regret it. You are courageous and reliable, and friends and family turn to you in times of need. Jovial and generous by nature, you like to share your good fortune with all those around you. You have a fine sense of timing and know just when to act and when to wait. In your profession you are ambitious, and you aim high and work hard and steadily to reach the top. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Se o mamão é a sua fruta preferida, você é uma pessoa ponderada e estratégica. Pesa com cuidado os prós e os contras antes de tomar qualquer decisão, por isso raramente tem motivo para se arrepender. Você é corajoso e confiável, e amigos e família recorrem a você nas horas difíceis. Alegre e generoso por natureza, gosta de dividir sua boa sorte com todos à sua volta. Tem um ótimo senso de oportunidade e sabe a hora certa de agir e a de esperar. Na profissão, você é ambicioso, mira alto e trabalha duro e com constância para chegar ao topo. </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Peach loving persons always look at the sunny side of life. You are optimistic by nature, and even in bad times you believe that things will turn out well in the end. You are candid and outspoken, and you say what you think without fear. You make friends with strangers easily, and a chance meeting with you often grows into a lasting friendship. You value your independence and like to go your own way, wherever it leads. You are ambitious and set high goals for yourself. In love you are passionate and true. You give your whole heart to the one you love and stand by your partner through every season of life.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Quem ama pêssego sempre vê o lado bom da vida. Você é otimista por natureza e, mesmo nos tempos difíceis, acredita que tudo vai dar certo no fim. Você é sincero e franco, e diz o que pensa sem medo. Faz amizade com desconhecidos com facilidade, e um encontro casual com você muitas vezes vira uma amizade duradoura. Você valoriza sua independência e gosta de seguir seu próprio caminho, aonde quer que ele leve. É ambicioso e estabelece metas altas para si. No amor, você é apaixonado e fiel. Entrega o coração inteiro a quem ama e fica ao lado do seu par em todas as fases da vida.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You have a problem in concentrating in a specific task. You take up new hobbies and plans with great enthusiasm, but all too often that enthusiasm fades before the job is done. You are impatient for results and want to see the fruits of your work at once. You have a way with words and can talk easily on nearly any subject, which makes you good company at any gathering. You are restless by nature and always on the move, looking for something new to keep your mind busy. You make friends easily wherever you go, but the bonds you form do not always last, as your restless heart soon draws you on to new people and new places. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>Você tem dificuldade de se concentrar numa tarefa específica. Abraça novos hobbies e planos com muito entusiasmo, mas muitas vezes ele se apaga antes de o trabalho acabar. Você é impaciente por resultados e quer ver logo os frutos do seu esforço. Tem jeito com as palavras e conversa com facilidade sobre quase tudo, o que faz de você ótima companhia em qualquer reunião. Você é inquieto por natureza e vive em movimento, buscando algo novo para ocupar a mente. Faz amigos com facilidade aonde quer que vá, mas os laços que cria nem sempre duram, pois seu coração inquieto logo leva você a novas pessoas e novos lugares. </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/resources/ui/frmabout.ui" line="+21"/>
        <source>Click here to visit Tarnwell</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, one line of at most 310 pixels.</extracomment>
        <translation>Clique aqui e visite o Tarnwell</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines at most in 417 pixels, bold.</extracomment>
        <translation>Oportunidade de negócio em casa. Monte seu negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click here for more details.</source>
        <extracomment>A link after the offer above: bold and underlined, one line of at most 180 pixels.</extracomment>
        <translation>Clique aqui e saiba mais.</translation>
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
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location line="-337"/>
        <source>Click on one of the fruits that you feel attracted to or is your favorite.</source>
        <extracomment>Above the twelve fruit pictures: bold, on one line of at most 500 pixels.</extracomment>
        <translation>Clique na fruta que mais atrai você ou na sua favorita.</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 560 pixels.</extracomment>
        <translation>O fórum de discussão Vellum mais popular da web. Tudo sobre Vellum num só lugar. Visite já o Tarnwell</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Fruit Astrology Interpretation</source>
        <extracomment>The title of the frame round the reading: bold, in a frame 577 pixels wide.</extracomment>
        <translation>Leitura astrológica da fruta</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <extracomment>The File menu&apos;s item that returns to the main window.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>Ganhe dinheiro &amp;online</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <location filename="../src/resources/ui/frmfarewell.ui" line="+38"/>
        <source>Click Here To Visit Tarnwell Now</source>
        <extracomment>A big button (479 pixels wide, a 19-pixel font) that opens the maker&apos;s forum, Tarnwell.</extracomment>
        <translation>Clique aqui e visite já o Tarnwell</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program: a button 83 pixels wide.</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer A Friend</source>
        <extracomment>The title of the refer-a-friend form&apos;s frame, bold.</extracomment>
        <translation>Indique um amigo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide and 19 high, bold.</extracomment>
        <translation>&amp;Indique um amigo já</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download Vellum Softwares</source>
        <extracomment>The title of a frame 249 pixels wide about the maker&apos;s other programs: bold, 13-pixel font.</extracomment>
        <translation>Downloads da Vellum Softwares</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit Vellum Softwares</source>
        <extracomment>A link to the maker&apos;s home page: bold and underlined, one line of at most 239 pixels.</extracomment>
        <translation>Clique e visite a Vellum Softwares</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/resources/ui/frmmain.ui" line="+93"/>
        <source>Please Fill In The Below Details:</source>
        <extracomment>The title of the frame round the name box and the introduction: bold, in a frame 497 pixels wide.</extracomment>
        <translation>Preencha os dados abaixo:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Name:-</source>
        <extracomment>The label before the name box, in the 40 pixels left of it: about six narrow characters. Screen readers read it out as the name box&apos;s name.</extracomment>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+86"/>
        <source>Get My &amp;Fruit Astrology Reading</source>
        <extracomment>The button (211 pixels wide, bold) and the File menu item that hand over to the fruit pictures. Button and menu item keep the same access key.</extracomment>
        <translation>Ver minha astrologia das &amp;frutas</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+73"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program (through its farewell window).</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 480 pixels.</extracomment>
        <translation>O fórum de discussão Vellum mais popular da web. Tudo sobre Vellum num só lugar. Visite já o Tarnwell</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <extracomment>A menu bar item of its own: opens the maker&apos;s donation page.</extracomment>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <extracomment>A menu bar item of its own: opens the offer of the program under one&apos;s own name.</extracomment>
        <translation>Ganhe dinheiro &amp;online</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+50"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>A message box with Yes and No, at start-up once two weeks have passed. The lone carriage return breaks the line: keep one between the two sentences.</extracomment>
        <translation>Pode haver uma atualização disponível para este programa<byte value="xd"/>Deseja procurar uma atualização?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../src/outreach/tellafriend.cpp" line="+22"/>
        <source>Your Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Seu nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Message</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form; this box is about 100 pixels wide.</extracomment>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
</context>
</TS>
