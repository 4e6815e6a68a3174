<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DisplayPlatform</name>
    <message>
        <location filename="../src/platform/linux/displayplatform.cpp" line="+49"/>
        <source>the X display (DISPLAY is not set)</source>
        <translation>Xディスプレイ（DISPLAYが設定されていません）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the X display %1</source>
        <extracomment>%1 is the name of an X display, such as :5.</extracomment>
        <translation>Xディスプレイ %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland socket %1</source>
        <extracomment>%1 is the path of a Wayland socket.</extracomment>
        <translation>Waylandソケット %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Wayland socket %1 (XDG_RUNTIME_DIR is not set)</source>
        <translation>Waylandソケット %1（XDG_RUNTIME_DIRが設定されていません）</translation>
    </message>
    <message>
        <location line="+42"/>
        <source> or </source>
        <extracomment>Joins the places or platforms of the line that says why no window can be shown.</extracomment>
        <translation> または </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not connect to %1</source>
        <extracomment>%1 names one or more places, such as &quot;the X display :5&quot;, joined by &quot; or &quot;.</extracomment>
        <translation>%1 に接続できませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start the platform %1</source>
        <extracomment>%1 names one or more platforms of Qt, each in double quotes.</extracomment>
        <translation>プラットフォーム %1 を起動できませんでした</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: no window can be shown: %2</source>
        <extracomment>A line on the terminal when start-up finds no display: %1 is the program&apos;s name, %2 why no window can be shown.</extracomment>
        <translation>%1: ウィンドウを表示できません: %2</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <location filename="../src/outreach/frmfarewell.cpp" line="+115"/>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>A message box: the refer-a-friend form holds the same address for the user and the friend.</extracomment>
        <translation>それぞれ異なるメールアドレスを入力してください</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Proper Email Address</source>
        <extracomment>A message box: an address of the refer-a-friend form lacks &quot;@&quot; or &quot;.&quot;.</extracomment>
        <translation>正しいメールアドレスを入力してください</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>A message box: the user typed a space in an e-mail address box.</extracomment>
        <translation>メールアドレスに空白は使えません</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/reading/frmmain.cpp" line="+91"/>
        <source>Please Enter Only Alphabet</source>
        <extracomment>A message box: the user typed a key the name box refuses. In a translation the box takes the letters of every script and spaces; digits, punctuation and symbols are refused.</extracomment>
        <translation>名前には数字や記号を使えません</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Please Enter Your Name</source>
        <extracomment>A message box: the name box is empty when the user asks for a reading.</extracomment>
        <translation>名前を入力してください</translation>
    </message>
</context>
<context>
    <name>FrmStartup</name>
    <message>
        <location filename="../src/app/frmstartup.cpp" line="+33"/>
        <source>Application is already running</source>
        <extracomment>A message box: the user started the program while it runs already.</extracomment>
        <translation>このアプリケーションはすでに起動しています</translation>
    </message>
</context>
<context>
    <name>FruitCatalogue</name>
    <message>
        <location filename="../src/reading/fruitcatalogue.cpp" line="+15"/>
        <source>Apple</source>
        <translation>りんご</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Banana</source>
        <translation>バナナ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Grapes</source>
        <translation>黒ぶどう</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cherry</source>
        <translation>さくらんぼ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coconut</source>
        <translation>ココナッツ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custard Apple</source>
        <translation>カスタードアップル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mango</source>
        <translation>マンゴー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paneapple</source>
        <extracomment>The pineapple. &quot;Paneapple&quot; is how the English display has always spelled it; use the ordinary word of your language.</extracomment>
        <translation>パイナップル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Papaya</source>
        <translation>パパイヤ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>桃</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pear</source>
        <translation>洋なし</translation>
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
        <translation>Quintavelは、あなたが選ぶフルーツから性格を詳しく占います。フルーツにはそれぞれ個性があり、選んだフルーツが、あなたの内面と、周りの人から見た外面の両方を教えてくれます。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Co-brand this software for your site.  Put your site name &amp;&amp; link in it and share it with your visitors.    See the Help file for full details.  Click Here for more info on co-branding.</source>
        <extracomment>An offer to put the program on one&apos;s own web site, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; the runs of spaces only part its sentences.</extracomment>
        <translation>このソフトをあなたのサイトの共同ブランド版にしませんか。サイト名&amp;&amp;リンクを入れて訪問者と共有できます。詳しくはヘルプをご覧ください。共同ブランドの詳細はこちらをクリック。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>An offer of a copy of the program under one&apos;s own name, a link. Bold and underlined, centred, at most three lines in a box 399 pixels wide.</extracomment>
        <translation>在宅ビジネスのチャンス。ネットで自分のビジネスを始めて、オンラインで収入を得ましょう。このソフトを、まるごとあなたのサイトのブランドにできます。詳しくはこちらをクリック。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quintavel tells you more about your personality based on your choice of fruit. Each fruit has it own personality that is reflected in the choice of the person. This software is owned by Vellum Softwares.</source>
        <extracomment>The About window&apos;s description: three lines at most in a box 425 pixels wide.</extracomment>
        <translation>Quintavelは、あなたが選ぶフルーツから性格を詳しく占います。フルーツにはそれぞれ個性があり、それが選ぶ人の性格に表れます。このソフトウェアはVellum Softwaresが所有しています。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you have enjoyed this software you will surely be interested in our other Vellum Softwares. We make a whole family of astrology, psychic, tarot, numerology and occult programs, and every one of them is simple, fun and informative, just like this one.                                                             People all over the world use and love our programs, and some of them rank among the world’s favorite programs of their kind. Download them all today from our website and try them for yourself. If you enjoy them, please share them with your friends and family so that they can have fun with them too. </source>
        <extracomment>The farewell window&apos;s note on the maker&apos;s other programs: a box 233 pixels wide and 257 high (some 17 lines). The long run of spaces ends the first paragraph&apos;s last line, so that the second starts on a line of its own: keep a run long enough for that.</extracomment>
        <translation>このソフトを楽しんでいただけたなら、Vellum Softwaresのほかのソフトにもきっと興味を持っていただけるはずです。私たちは占星術、霊感、タロット、数秘術、オカルトのソフトを数多く作っています。どれもこのソフトと同じように、簡単で楽しく、役に立つものばかりです。
世界中の人々が私たちのソフトを使い、愛用しています。中には、同じ種類のソフトの中で世界有数の人気を誇るものもあります。今すぐウェブサイトからすべてダウンロードして、ぜひ試してみてください。気に入ったら、ご家族やご友人にも教えてあげてください。一緒に楽しめます。 </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vellum Softwares, such as this can be created and maintained only with your support. The best way to help us is to visit our forum, Tarnwell, regularly and take an active part in its discussions and other activities.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>このソフトのようなVellum Softwaresの製品は、皆さまのご支援があってこそ作り続けることができます。いちばんのご支援は、私たちのフォーラムTarnwellを定期的に訪れ、ディスカッションやさまざまな活動に積極的に参加していただくことです。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Visit Tarnwell regularly. Join in the discussions and take part in the other activities there. Without your frequent visits we cannot support and maintain all our programs or keep them free.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwellに定期的にお越しください。ディスカッションに加わり、ほかの活動にもぜひご参加ください。皆さまが頻繁に訪れてくださらなければ、すべてのソフトを維持し、無料で提供し続けることはできません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell is a FREE online discussion forum for all things vellum. If you visit it regularly, you help us to develop and maintain this software.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwellは、Vellumのあらゆる話題を扱う完全無料のオンライン掲示板です。定期的に訪れていただくと、このソフトの開発と維持に役立ちます。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tarnwell needs your help. Visit the forum regularly and take part in its discussions and activities. Your visits help us maintain this software and develop new programs just like it.</source>
        <extracomment>An appeal of the farewell window, one of four shown at random: bold, four lines at most in a box 465 pixels wide. Tarnwell is the maker&apos;s forum.</extracomment>
        <translation>Tarnwellには皆さまの力が必要です。フォーラムを定期的に訪れ、ディスカッションや活動に参加してください。皆さまの訪問が、このソフトの維持と、同じような新しいソフトの開発を支えます。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If you have a liking for the sweet and juicy apple, you tend to indulge in expensive buys and a showy lifestyle. You are flamboyant and outspoken, and you never hesitate to say what is on your mind. Spontaneous and impulsive, you act on the spur of the moment and enjoy the thrill of the unexpected. You are a natural leader whom others gladly follow, though you are not always methodical and may leave the finer details to others. You love to travel and to discover new places and new faces. Amongst your friends you are charming, warm and generous, and your company is always in demand.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>甘くてみずみずしいりんごが好きなあなたは、高価な買い物や派手な暮らしにふけりがちです。華やかで率直な性格で、思ったことはためらわずに口にします。思い立ったらすぐに動く衝動的なタイプで、予想外の出来事のスリルを楽しみます。生まれながらのリーダーで、周りの人は喜んであなたについてきます。ただ、いつも几帳面とは限らず、細かいことは人任せにしがちです。旅が大好きで、新しい土地や新しい出会いを求めて出かけます。友人の間では魅力的で温かく、気前もよいので、いつも引っ張りだこです。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your compassionate nature and sympathetic understanding of others have a calming effect on those around you. Friends and even strangers come to you with their troubles, and you are a trusted confidant who keeps their secrets close. Yet you can be gullible and much too trusting, and people do not always earn the faith you place in them. You tend to lack self-confidence and are shy in the company of people you do not know, so your true worth is often seen only by those close to you. In love you are a gentle and caring partner, always ready to put the happiness of your loved one above your own.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>思いやりにあふれ、人の気持ちをよく理解するあなたは、周りの人を穏やかな気持ちにさせます。友人はもちろん、見知らぬ人までが悩みを打ち明けに来ます。秘密をしっかり守る、信頼できる相談相手です。けれども、だまされやすく人を信じすぎるところがあり、その信頼に応えてくれる人ばかりとは限りません。自信が持てず、知らない人の中では内気になりがちなので、あなたの本当のよさは身近な人にしか見えないことがよくあります。恋愛では優しく思いやりのあるパートナーで、いつも自分より愛する人の幸せを大切にします。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You are well known for your modesty and good manners. You are amiable and easy to get along with, and people quickly feel at home in your company. You do have a quick temper, but your anger is short-lived and you never hold a grudge for very long. You see beauty everywhere, in nature, in art and in the people you meet, and this makes your life rich and colorful. Lively and full of fun, you are popular wherever you go. You are an optimistic extrovert who looks forward to every new day, and your cheerful spirit lifts the mood of everyone around you.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>謙虚で礼儀正しい人として知られています。人当たりがよく付き合いやすいので、誰もがすぐにあなたのそばでくつろげます。短気なところはありますが、怒りは長続きせず、いつまでも根に持つことはありません。自然にも、芸術にも、出会う人々にも美しさを見いだし、それが人生を豊かで彩りあるものにしています。明るく楽しいあなたは、どこへ行っても人気者です。毎日を楽しみに待つ前向きな社交家で、その陽気さが周りのみんなの気分を明るくします。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The round luscious cherries intrigue your mind and so does the world around you. You are an imaginative dreamer who loves to build castles in the air, and your head is always full of new ideas. Your life is likely to take many twists and turns, and not all of them will be easy. You will have to work hard to build your career, and success may come later than you hope. Money matters can be a source of worry for you, so learn to plan and save with care. Though you feel things deeply, you find it hard to show your emotions, and those close to you may not always know how much you really care.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>丸くて甘いさくらんぼに心ひかれるあなたは、周りの世界にも好奇心いっぱいです。空想にふけるのが大好きな想像力豊かな夢想家で、頭の中はいつも新しいアイデアでいっぱいです。人生は紆余曲折が多く、楽な道ばかりではないでしょう。仕事で地位を築くには懸命な努力が必要で、成功は思ったより遅れてやって来るかもしれません。お金のことが悩みの種になりやすいので、計画的に、慎重に貯めることを心がけましょう。物事を深く感じるのに感情を表に出すのが苦手で、あなたがどれほど大切に思っているか、身近な人でさえ気づかないことがあります。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The coconut loving persons choose their friends and companions after much thought. You are sociable and enjoy good company, but you are very choosy about whom you let into your inner circle. Your opinions are austere and firmly held, and you do not change them lightly. You are clever and industrious, and you put great effort into all that you do, however small the task. At work you have a commanding presence, and others look up to you for direction. In love you want a partner who is both intelligent and loving, someone who can match your mind as well as warm your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>ココナッツが好きな人は、友人や仲間をじっくり考えてから選びます。社交的で楽しい集まりが好きですが、親しい仲間に迎え入れる相手はとても慎重に選びます。意見は厳格で揺るぎなく、簡単には変えません。頭がよく勤勉で、どんなに小さな仕事にも全力を注ぎます。職場では堂々とした存在感があり、周りの人はあなたの指示を頼りにします。恋愛では、知性と愛情を兼ね備えた相手を求めます。あなたの頭脳と対等に渡り合い、心を温めてくれる人です。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You respect time honored values and ideas above modern points of view. You are conservative in your outlook and hold on to the customs you grew up with, yet beneath this firm exterior lies a sensitive soul that is easily wounded. You are ambitious and systematic, and you reach your goals step by step through careful planning and steady effort. Despite your achievements you stay modest and never boast of your success. Your tastes are refined, and you enjoy the finer things of life in a quiet and graceful way. When it comes to love, you value your partner&apos;s intelligence far more than good looks, for a sharp mind wins your heart.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>現代的な考え方よりも、昔ながらの価値観や考えを大切にします。物の見方は保守的で、育ってきた習慣を守り続けますが、そのしっかりした外見の内側には、傷つきやすい繊細な心が隠れています。向上心があり几帳面で、入念な計画と着実な努力によって、一歩ずつ目標を達成します。何かを成し遂げても謙虚さを失わず、成功を自慢することはありません。趣味は洗練されていて、人生の上質なものを静かに、優雅に楽しみます。恋愛では外見よりも相手の知性をずっと重んじます。鋭い頭脳こそがあなたの心をつかむのです。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A mango lover with a deep affinity for the sweet fragrant kernel of ripe mangoes tends to be quite radical in his ideas and thoughts. You are hard to convince unless you are given sound reasons, and you never accept an idea simply because others do. You have a gift for steering any situation the way you want it to go, even when others give up. When a challenge comes your way, you throw yourself into it wholeheartedly and give it your very best. You are strong-willed and stand firm in all that you believe, yet deep inside you are in need of affection and long for the warmth of people who love you. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>熟したマンゴーの甘く香る種のまわりまで味わうほどのマンゴー好きは、考え方がかなり急進的な傾向があります。しっかりした理由がなければなかなか納得せず、ほかの人がそうしているからというだけで考えを受け入れることはありません。ほかの人があきらめるような場面でも、物事を思いどおりの方向へ導く才能があります。困難に出合うと全身全霊で打ち込み、最善を尽くします。意志が強く、信じることは決して曲げませんが、心の奥では愛情を求め、愛してくれる人のぬくもりを切に願っています。 </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Those favoring orange over all other fruits may appear to be timid and introvert people. But appearances can deceive, for you have a great inner strength and a willpower that carries you through hard times. You are patient and steady, and you work towards your goals without haste or fuss. Laziness is something you cannot stand, whether in yourself or in others. You are methodical in your ways and like to see things done in their proper order. You also have an artistic side, and you may find joy in music, painting or writing. You prefer peace to strife and avoid conflict wherever you can, choosing calm words over harsh ones.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>ほかのどのフルーツよりもオレンジが好きな人は、内気で内向的に見えるかもしれません。けれども見かけはあてになりません。あなたには、つらい時期を乗り越えさせてくれる大きな内なる強さと意志の力があります。辛抱強く着実で、慌てず騒がず目標に向かって努力します。怠けることは、自分であれ他人であれ我慢できません。何事も筋道を立てて進め、物事が正しい順序で片づくのを好みます。芸術的な一面もあり、音楽や絵、文章を書くことに喜びを見いだすかもしれません。争いより平和を好み、できる限り衝突を避け、きつい言葉より穏やかな言葉を選びます。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you have a strong fascination for pineapple, you seem to possess extra ordinary organizing skills. You make quick judgments and are usually right, for you see through people and situations at a glance. You are not afraid of changing your career when a better path appears, and you face fresh beginnings with courage. You are responsible and honest, and people know they can rely on your word. You have only a few friends, but those friendships last for a whole lifetime. In romance you are practical rather than dreamy, and you look for a partner with whom you can build a stable and happy life, one sensible step at a time.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>パイナップルに強くひかれるあなたは、並外れた段取りの才能を持っているようです。判断が素早く、たいてい的確です。人や状況をひと目で見抜くからです。よりよい道が見えれば仕事を変えることを恐れず、新しい始まりにも勇気をもって向き合います。責任感が強く誠実で、あなたの言葉は信頼できると誰もが知っています。友人は多くありませんが、その友情は一生続きます。恋愛では夢見がちというより現実的で、一歩ずつ堅実に、安定した幸せな暮らしを一緒に築ける相手を探します。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you love papaya best of all kinds of fruits, you are a thoughtful and calculative person. You carefully weigh the pros and cons before you take any decision, and so you seldom have cause to regret it. You are courageous and reliable, and friends and family turn to you in times of need. Jovial and generous by nature, you like to share your good fortune with all those around you. You have a fine sense of timing and know just when to act and when to wait. In your profession you are ambitious, and you aim high and work hard and steadily to reach the top. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>あらゆるフルーツの中でパパイヤがいちばん好きなあなたは、思慮深く、先をよく読む人です。何かを決める前には良い点と悪い点を慎重に比べるので、後で悔やむことはめったにありません。勇敢で頼りになり、友人や家族は困ったときにあなたを頼ります。陽気で気前のよい性格で、自分の幸運を周りのみんなと分かち合うのが好きです。タイミングを見る目が確かで、動くべきときと待つべきときをよく心得ています。仕事では野心的で、高い目標を掲げ、頂点を目指して着実に努力を重ねます。 </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Peach loving persons always look at the sunny side of life. You are optimistic by nature, and even in bad times you believe that things will turn out well in the end. You are candid and outspoken, and you say what you think without fear. You make friends with strangers easily, and a chance meeting with you often grows into a lasting friendship. You value your independence and like to go your own way, wherever it leads. You are ambitious and set high goals for yourself. In love you are passionate and true. You give your whole heart to the one you love and stand by your partner through every season of life.</source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>桃が好きな人は、いつも人生の明るい面を見ています。生まれつき楽天的で、つらいときでも最後にはきっとうまくいくと信じています。率直で遠慮がなく、思ったことを恐れずに口にします。知らない人ともすぐに打ち解け、あなたとの偶然の出会いが長い友情に育つこともよくあります。自立を大切にし、どこへ続く道であれ、自分の道を進むのが好きです。野心があり、自分に高い目標を課します。恋愛では情熱的で一途です。愛する人に心のすべてを捧げ、人生のどんな時期もパートナーに寄り添います。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You have a problem in concentrating in a specific task. You take up new hobbies and plans with great enthusiasm, but all too often that enthusiasm fades before the job is done. You are impatient for results and want to see the fruits of your work at once. You have a way with words and can talk easily on nearly any subject, which makes you good company at any gathering. You are restless by nature and always on the move, looking for something new to keep your mind busy. You make friends easily wherever you go, but the bonds you form do not always last, as your restless heart soon draws you on to new people and new places. </source>
        <extracomment>A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the English text nearly fills.</extracomment>
        <translation>一つのことに集中するのが苦手です。新しい趣味や計画には張り切って取りかかりますが、その熱意はやり遂げる前に冷めてしまうことがよくあります。結果を待ちきれず、努力の成果をすぐに見たがります。話し上手で、ほとんどどんな話題でも気軽に話せるので、どんな集まりでも楽しい相手として喜ばれます。生まれつき落ち着きがなく、いつも動き回って、心を満たしてくれる新しい何かを探しています。どこへ行ってもすぐに友だちができますが、その絆がいつも長続きするとは限りません。落ち着かない心が、あなたをすぐに新しい人々や新しい場所へと誘うからです。 </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/resources/ui/frmabout.ui" line="+21"/>
        <source>Click here to visit Tarnwell</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, one line of at most 310 pixels.</extracomment>
        <translation>こちらをクリックしてTarnwellへ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines at most in 417 pixels, bold.</extracomment>
        <translation>在宅ビジネスのチャンス。ネットで自分のビジネスを始めて、オンラインで収入を得ましょう。このソフトを、まるごとあなたのサイトのブランドにできます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click here for more details.</source>
        <extracomment>A link after the offer above: bold and underlined, one line of at most 180 pixels.</extracomment>
        <translation>詳しくはこちらをクリック</translation>
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
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <location line="-337"/>
        <source>Click on one of the fruits that you feel attracted to or is your favorite.</source>
        <extracomment>Above the twelve fruit pictures: bold, on one line of at most 500 pixels.</extracomment>
        <translation>心ひかれるフルーツか、いちばん好きなフルーツをクリックしてください。</translation>
    </message>
    <message>
        <location line="+254"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 560 pixels.</extracomment>
        <translation>いちばん人気のVellumオンライン掲示板。Vellum情報の宝庫です。今すぐTarnwellへ</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Fruit Astrology Interpretation</source>
        <extracomment>The title of the frame round the reading: bold, in a frame 577 pixels wide.</extracomment>
        <translation>フルーツ占いの結果</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 577 pixels wide.</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Back</source>
        <extracomment>The File menu&apos;s item that returns to the main window.</extracomment>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>ウェブサイトを見る(&amp;V)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check for Software &amp;Update</source>
        <translation>アップデートを確認(&amp;U)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>ネットで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <location filename="../src/resources/ui/frmfarewell.ui" line="+38"/>
        <source>Click Here To Visit Tarnwell Now</source>
        <extracomment>A big button (479 pixels wide, a 19-pixel font) that opens the maker&apos;s forum, Tarnwell.</extracomment>
        <translation>ここをクリックして今すぐTarnwellへ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program: a button 83 pixels wide.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer A Friend</source>
        <extracomment>The title of the refer-a-friend form&apos;s frame, bold.</extracomment>
        <translation>友だちに紹介</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Sends the refer-a-friend form: a button 225 pixels wide and 19 high, bold.</extracomment>
        <translation>今すぐ友だちに紹介(&amp;N)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download Vellum Softwares</source>
        <extracomment>The title of a frame 249 pixels wide about the maker&apos;s other programs: bold, 13-pixel font.</extracomment>
        <translation>Vellum Softwaresのダウンロード</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit Vellum Softwares</source>
        <extracomment>A link to the maker&apos;s home page: bold and underlined, one line of at most 239 pixels.</extracomment>
        <translation>Vellum Softwaresのサイトへ</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/resources/ui/frmmain.ui" line="+93"/>
        <source>Please Fill In The Below Details:</source>
        <extracomment>The title of the frame round the name box and the introduction: bold, in a frame 497 pixels wide.</extracomment>
        <translation>以下を入力してください：</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Name:-</source>
        <extracomment>The label before the name box, in the 40 pixels left of it: about six narrow characters. Screen readers read it out as the name box&apos;s name.</extracomment>
        <translation>名前：</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+86"/>
        <source>Get My &amp;Fruit Astrology Reading</source>
        <extracomment>The button (211 pixels wide, bold) and the File menu item that hand over to the fruit pictures. Button and menu item keep the same access key.</extracomment>
        <translation>フルーツ占いを見る(&amp;F)</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+73"/>
        <source>E&amp;xit</source>
        <extracomment>Ends the program (through its farewell window).</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. Visit Tarnwell Now</source>
        <extracomment>A link to the maker&apos;s forum, Tarnwell: bold and underlined, centred, two lines at most in 480 pixels.</extracomment>
        <translation>いちばん人気のVellumオンライン掲示板。Vellum情報の宝庫です。
今すぐTarnwellへ</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;File</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Help</source>
        <extracomment>The menu bar holds File, Help, Donate and Make Money Online in one row of a window 496 pixels wide.</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Visit Us Online</source>
        <translation>ウェブサイトを見る(&amp;V)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Check for Software Update</source>
        <translation>アップデートを確認(&amp;C)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Donate</source>
        <extracomment>A menu bar item of its own: opens the maker&apos;s donation page.</extracomment>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <extracomment>A menu bar item of its own: opens the offer of the program under one&apos;s own name.</extracomment>
        <translation>ネットで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../src/app/updatereminder.cpp" line="+50"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>A message box with Yes and No, at start-up once two weeks have passed. The lone carriage return breaks the line: keep one between the two sentences.</extracomment>
        <translation>このソフトウェアのアップデートが公開されているかもしれません。<byte value="xd"/>アップデートを確認しますか？</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../src/outreach/tellafriend.cpp" line="+22"/>
        <source>Your Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Name</source>
        <translation>あなたの名前を入力してください</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>あなたのメールアドレスを入力してください</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Message</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form; this box is about 100 pixels wide.</extracomment>
        <translation>メッセージ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Name</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>友だちの名前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友だちの名前を入力してください</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s Email Address</source>
        <extracomment>A hint inside an empty box of the refer-a-friend form, until the user types.</extracomment>
        <translation>友だちのメールアドレス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>友だちのメールアドレスを入力してください</translation>
    </message>
</context>
</TS>
