-- The catalogue: every table of the office database.
-- Text widths are CP949 bytes: VARCHAR(n) holds at most n bytes (the program
-- refuses longer values). TEXT holds memo text of any length.
-- Where a width or key was open, the choice is written beside the field.

-- Classification codes of listings and client requests.
-- gubun: "I" lease kinds, "M" sale kinds, "W" consultation stages.
-- code: 12 bytes, the length the code form accepts. Keyed by (gubun, code),
-- so a category lists its codes in code order.
CREATE TABLE bucode (
    gubun VARCHAR(1) NOT NULL,
    code VARCHAR(12) NOT NULL,
    PRIMARY KEY (gubun, code)
);

-- Listings. Amounts in thousands of won, areas in pyeong, dates YYYY-MM-DD.
-- addr1 42, cno 10, bipum 50, ipjuday 10 and expireday 10: the entry form's
-- limits.
CREATE TABLE budong (
    scancode VARCHAR(17) NOT NULL PRIMARY KEY,
    name VARCHAR(10),
    htel VARCHAR(17),
    addr VARCHAR(42),
    addr1 VARCHAR(42),
    im VARCHAR(10),
    cname VARCHAR(18),
    cname1 VARCHAR(18),
    dpung INTEGER,
    gpung INTEGER,
    tmprice INTEGER,
    mpricepp INTEGER,
    cno VARCHAR(10),
    otel VARCHAR(17),
    hphone VARCHAR(17),
    buildname VARCHAR(15),
    duse VARCHAR(10),
    guse VARCHAR(10),
    stair INTEGER,
    rendmoney INTEGER,
    gdfirst VARCHAR(10),
    gdsecond VARCHAR(10),
    name1 VARCHAR(10),
    htel1 VARCHAR(17),
    otel1 VARCHAR(17),
    hphone1 VARCHAR(17),
    ensurem INTEGER,
    monthm INTEGER,
    pricepp INTEGER,
    bipum VARCHAR(50),
    tbipumm INTEGER,
    totalm INTEGER,
    inday VARCHAR(10),
    man VARCHAR(10),
    ipjuday VARCHAR(10),
    expireday VARCHAR(10),
    reqing VARCHAR(1),
    kwanggo VARCHAR(1),
    midday VARCHAR(10),
    lastday VARCHAR(10),
    memo1 TEXT,
    memo2 TEXT
);

-- Copy of the current listing search for the full listing report; replaced
-- as a whole each time. Columns of the listing query, no key.
CREATE TABLE all_list (
    scancode VARCHAR(17),
    cname VARCHAR(18),
    im VARCHAR(10),
    dpung INTEGER,
    gpung INTEGER,
    stair INTEGER,
    addr VARCHAR(42),
    mpricepp INTEGER,
    pricepp INTEGER,
    ensurem INTEGER,
    monthm INTEGER,
    inday VARCHAR(10),
    totalm INTEGER,
    gdfirst VARCHAR(10),
    gdsecond VARCHAR(10),
    man VARCHAR(10),
    cname1 VARCHAR(18),
    tmprice INTEGER,
    htel VARCHAR(17),
    htel1 VARCHAR(17),
    otel VARCHAR(17),
    otel1 VARCHAR(17),
    hphone VARCHAR(17),
    hphone1 VARCHAR(17),
    name VARCHAR(10),
    name1 VARCHAR(10),
    duse VARCHAR(10),
    guse VARCHAR(10),
    tbipumm INTEGER,
    buildname VARCHAR(15),
    rendmoney INTEGER,
    midday VARCHAR(10),
    lastday VARCHAR(10)
);

-- Photos attached to listings; files lie in PICT/ of the office folder.
CREATE TABLE pict (
    scancode VARCHAR(20) NOT NULL PRIMARY KEY,
    scanbud VARCHAR(17),
    remark VARCHAR(20),
    filename VARCHAR(50)
);
CREATE INDEX PICT_SCANBUD ON pict (scanbud);

-- Client requests. Amounts in thousands of won, areas in pyeong.
CREATE TABLE burequ (
    scancode VARCHAR(17) NOT NULL PRIMARY KEY,
    name VARCHAR(10),
    im VARCHAR(10),
    cname VARCHAR(18),
    wantcom VARCHAR(20),
    htel VARCHAR(17),
    pipi VARCHAR(14),
    hphone VARCHAR(17),
    fax VARCHAR(17),
    yesan INTEGER,
    dpungl INTEGER,
    dpungu INTEGER,
    gpungl INTEGER,
    gpungu INTEGER,
    inday VARCHAR(10),
    addr VARCHAR(20),
    working VARCHAR(15),
    memo1 TEXT
);

-- The office's own details; the first row is used.
CREATE TABLE my (
    Comname1 VARCHAR(8),
    Comtitle1 VARCHAR(20),
    Comadd1 VARCHAR(60),
    Comtel1 VARCHAR(14),
    Comno1 VARCHAR(15)
);

-- Print layouts of the sale contract (tb_cardm), the lease contract
-- (tb_cardi), the explanation sheet (jungga) and the layout the data module
-- opens read-only (tb_card). Rows print in insertion order. itemText: 120.
CREATE TABLE tb_cardm (
    itemType VARCHAR(1),
    itemSize INTEGER,
    XYloop INTEGER,
    Xincrement INTEGER,
    Yincrement INTEGER,
    x1 INTEGER,
    y1 INTEGER,
    x2 INTEGER,
    y2 INTEGER,
    itemText VARCHAR(120),
    digitcomma VARCHAR(1)
);
CREATE TABLE tb_cardi (
    itemType VARCHAR(1),
    itemSize INTEGER,
    XYloop INTEGER,
    Xincrement INTEGER,
    Yincrement INTEGER,
    x1 INTEGER,
    y1 INTEGER,
    x2 INTEGER,
    y2 INTEGER,
    itemText VARCHAR(120),
    digitcomma VARCHAR(1)
);
CREATE TABLE jungga (
    itemType VARCHAR(1),
    itemSize INTEGER,
    XYloop INTEGER,
    Xincrement INTEGER,
    Yincrement INTEGER,
    x1 INTEGER,
    y1 INTEGER,
    x2 INTEGER,
    y2 INTEGER,
    itemText VARCHAR(120),
    digitcomma VARCHAR(1)
);
CREATE TABLE tb_card (
    itemType VARCHAR(1),
    itemSize INTEGER,
    XYloop INTEGER,
    Xincrement INTEGER,
    Yincrement INTEGER,
    x1 INTEGER,
    y1 INTEGER,
    x2 INTEGER,
    y2 INTEGER,
    itemText VARCHAR(120),
    digitcomma VARCHAR(1)
);

-- Sale contracts. All text; amounts in the amount-field form. No key:
-- contracts are found by address in table order. danga: 40.
CREATE TABLE cont_2 (
    sojaji VARCHAR(60),
    dong VARCHAR(4),
    ho VARCHAR(4),
    duse VARCHAR(30),
    m21 VARCHAR(6),
    m21p VARCHAR(6),
    gujo VARCHAR(30),
    m22 VARCHAR(6),
    m22p VARCHAR(6),
    ensurem VARCHAR(40),
    ensurem1 VARCHAR(15),
    danga VARCHAR(40),
    money1 VARCHAR(40),
    money21 VARCHAR(40),
    money21d VARCHAR(10),
    money22 VARCHAR(40),
    money22d VARCHAR(10),
    money3 VARCHAR(40),
    money3d VARCHAR(10),
    indoday VARCHAR(10),
    remark1 VARCHAR(115),
    remark2 VARCHAR(115),
    Remark3 VARCHAR(115),
    Remark4 VARCHAR(115),
    signday VARCHAR(10),
    add1 VARCHAR(60),
    jumin1 VARCHAR(14),
    name1 VARCHAR(20),
    tel1 VARCHAR(14),
    add2 VARCHAR(60),
    jumin2 VARCHAR(14),
    name2 VARCHAR(20),
    tel2 VARCHAR(14),
    comadd1 VARCHAR(60),
    comtitle1 VARCHAR(20),
    comtel1 VARCHAR(14),
    comname1 VARCHAR(8),
    comno1 VARCHAR(15)
);

-- Lease contracts. No key, as the sale contracts.
CREATE TABLE cont_1 (
    sojaji VARCHAR(60),
    dong VARCHAR(4),
    ho VARCHAR(4),
    duse VARCHAR(30),
    m21 VARCHAR(6),
    m21p VARCHAR(6),
    gujo VARCHAR(30),
    m22 VARCHAR(6),
    m22p VARCHAR(6),
    imdae VARCHAR(70),
    ensurem VARCHAR(40),
    ensurem1 VARCHAR(15),
    money1 VARCHAR(40),
    money21 VARCHAR(40),
    money21d VARCHAR(10),
    money22 VARCHAR(40),
    money22d VARCHAR(10),
    money3 VARCHAR(40),
    money3d VARCHAR(10),
    monthm VARCHAR(40),
    monthmd VARCHAR(2),
    indoday VARCHAR(10),
    monthCount VARCHAR(2),
    remark1 VARCHAR(115),
    remark2 VARCHAR(115),
    REMARK3 VARCHAR(115),
    REMARK4 VARCHAR(115),
    signday VARCHAR(10),
    add1 VARCHAR(60),
    jumin1 VARCHAR(14),
    name1 VARCHAR(20),
    tel1 VARCHAR(14),
    add2 VARCHAR(60),
    jumin2 VARCHAR(14),
    name2 VARCHAR(20),
    tel2 VARCHAR(14),
    comadd1 VARCHAR(60),
    comtitle1 VARCHAR(20),
    comtel1 VARCHAR(14),
    comname1 VARCHAR(8),
    comno1 VARCHAR(15)
);

-- Brokerage-object explanation sheets. No key.
CREATE TABLE junggah (
    gsojaji VARCHAR(60),
    gyear VARCHAR(4),
    gm2 VARCHAR(10),
    ggujo VARCHAR(20),
    guse VARCHAR(20),
    gfor VARCHAR(20),
    tsojaji VARCHAR(60),
    tjimok VARCHAR(10),
    tm2 VARCHAR(10),
    tsite VARCHAR(20),
    tsite1 VARCHAR(30),
    yymmdd VARCHAR(10),
    myname VARCHAR(10),
    mycomname VARCHAR(20),
    mysojaji VARCHAR(60),
    youname VARCHAR(10),
    gname1 VARCHAR(10),
    gjumin1 VARCHAR(14),
    gaddr1 VARCHAR(60),
    gname2 VARCHAR(10),
    gjumin2 VARCHAR(14),
    gaddr2 VARCHAR(60),
    memo1 TEXT,
    usex1 VARCHAR(60),
    usex2 VARCHAR(60),
    tradex1 VARCHAR(60),
    tradex2 VARCHAR(60),
    jose VARCHAR(100),
    gita VARCHAR(100),
    imdaename VARCHAR(10),
    imchaname VARCHAR(10)
);

-- Cash-book entries (purchases and sales), amounts in won.
CREATE TABLE maipmach (
    Scancode VARCHAR(17) NOT NULL PRIMARY KEY,
    Comno VARCHAR(15),
    Comname VARCHAR(20),
    Day1 VARCHAR(10),
    Money INTEGER,
    Vat INTEGER,
    Money1 INTEGER,
    Vat1 INTEGER,
    Remark VARCHAR(30),
    Yearmonth VARCHAR(7)
);

-- Second table object of the cash book; the same fields as maipmach.
CREATE TABLE maipwon (
    Scancode VARCHAR(17) NOT NULL PRIMARY KEY,
    Comno VARCHAR(15),
    Comname VARCHAR(20),
    Day1 VARCHAR(10),
    Money INTEGER,
    Vat INTEGER,
    Money1 INTEGER,
    Vat1 INTEGER,
    Remark VARCHAR(30),
    Yearmonth VARCHAR(7)
);

-- Yearly settlement by partner and month, rebuilt on demand. No key.
CREATE TABLE year_tot (
    comname VARCHAR(20),
    _1 INTEGER,
    _2 INTEGER,
    _3 INTEGER,
    _4 INTEGER,
    _5 INTEGER,
    _6 INTEGER,
    _7 INTEGER,
    _8 INTEGER,
    _9 INTEGER,
    _10 INTEGER,
    _11 INTEGER,
    _12 INTEGER,
    Tot INTEGER
);

-- People directory.
-- dmsource: 10 bytes ("자택" or "직장"); Remark: memo.
CREATE TABLE man (
    Scancode VARCHAR(17) NOT NULL PRIMARY KEY,
    Name VARCHAR(8),
    Gubun VARCHAR(15),
    "group" VARCHAR(15),
    meetday VARCHAR(10),
    birthday VARCHAR(10),
    bthMonth INTEGER,
    bthDay INTEGER,
    uy VARCHAR(1),
    handphone VARCHAR(17),
    Pipi VARCHAR(14),
    Comtel VARCHAR(17),
    Hometel VARCHAR(17),
    comfax VARCHAR(14),
    homefax VARCHAR(14),
    Comname VARCHAR(17),
    compart VARCHAR(15),
    Buse VARCHAR(10),
    Grade VARCHAR(10),
    job VARCHAR(20),
    Comaddr VARCHAR(42),
    Comaddr1 VARCHAR(42),
    comzip VARCHAR(9),
    Homeaddr VARCHAR(42),
    Homeaddr1 VARCHAR(42),
    homezip VARCHAR(9),
    highschool VARCHAR(12),
    univ1 VARCHAR(12),
    univ2 VARCHAR(12),
    major VARCHAR(15),
    tg VARCHAR(22),
    cm VARCHAR(30),
    marryday VARCHAR(10),
    Cargubun VARCHAR(20),
    guipday VARCHAR(10),
    Name1 VARCHAR(8),
    dmsource VARCHAR(10),
    Remark TEXT
);

-- Mail-out copy of the people search, replaced by each "DM". Columns of the
-- people list query, no key.
CREATE TABLE xxx (
    scancode VARCHAR(17),
    name VARCHAR(8),
    gubun VARCHAR(15),
    comname VARCHAR(17),
    buse VARCHAR(10),
    grade VARCHAR(10),
    hometel VARCHAR(17),
    pipi VARCHAR(14),
    comtel VARCHAR(17),
    cargubun VARCHAR(20),
    guipday VARCHAR(10),
    name1 VARCHAR(8),
    remark TEXT,
    homezip VARCHAR(9),
    homeaddr VARCHAR(42),
    homeaddr1 VARCHAR(42),
    comzip VARCHAR(9),
    comaddr VARCHAR(42),
    comaddr1 VARCHAR(42),
    dmsource VARCHAR(10)
);

-- Person codes: "C" business type, "G" group, "P" product kind, "R" relation.
CREATE TABLE mancode (
    gubun VARCHAR(1) NOT NULL,
    code VARCHAR(15) NOT NULL,
    PRIMARY KEY (gubun, code)
);

-- Business partners (kept like a dBase table: record order, index COMNOIND).
CREATE TABLE upche (
    COMNO VARCHAR(14) NOT NULL,
    COMNAME VARCHAR(20),
    NAME VARCHAR(20),
    TELNO VARCHAR(14),
    FAXNO VARCHAR(14),
    ADDR VARCHAR(40),
    ZIP VARCHAR(7),
    UPTA VARCHAR(14),
    UPJONG VARCHAR(20),
    DCIS VARCHAR(1),
    DAY1 SMALLINT,
    VATOK VARCHAR(1),
    FMONEY DOUBLE,
    REMARK VARCHAR(20)
);
CREATE UNIQUE INDEX COMNOIND ON upche (COMNO);

-- Memo notes. No key: rows in the order they were written.
CREATE TABLE memo (
    Memotitle VARCHAR(50),
    Memo1 TEXT
);

-- Postal codes and addresses (record order).
CREATE TABLE addr (
    ZIP VARCHAR(7),
    ADDR VARCHAR(60),
    DDD VARCHAR(4)
);

-- Diary shared with the companion calendar program. This program writes the
-- payment reminders of listings: key = listing number + "M" or "L".
CREATE TABLE diary1 (
    scancode VARCHAR(18) NOT NULL PRIMARY KEY,
    day1 VARCHAR(10),
    remark VARCHAR(20),
    memo1 TEXT
);
