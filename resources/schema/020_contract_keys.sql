-- Contracts get a key of their own, so that the contract a user picks in the
-- search is the one that opens even when two contracts share an address.
-- Existing contracts keep their order: their key is their old row number.
-- Widened where the form's own values did not fit: the telephones take a
-- listing's telephone (17 bytes), and the amount fields take the whole text
-- of a sixteen-digit amount (Hanja words, the grouped figure: at most 88
-- bytes).

-- Sale contracts, keyed by contno.
CREATE TABLE cont_2_keyed (
    contno INTEGER NOT NULL PRIMARY KEY,
    sojaji VARCHAR(60),
    dong VARCHAR(4),
    ho VARCHAR(4),
    duse VARCHAR(30),
    m21 VARCHAR(6),
    m21p VARCHAR(6),
    gujo VARCHAR(30),
    m22 VARCHAR(6),
    m22p VARCHAR(6),
    ensurem VARCHAR(100),
    ensurem1 VARCHAR(15),
    danga VARCHAR(40),
    money1 VARCHAR(100),
    money21 VARCHAR(100),
    money21d VARCHAR(10),
    money22 VARCHAR(100),
    money22d VARCHAR(10),
    money3 VARCHAR(100),
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
    tel1 VARCHAR(17),
    add2 VARCHAR(60),
    jumin2 VARCHAR(14),
    name2 VARCHAR(20),
    tel2 VARCHAR(17),
    comadd1 VARCHAR(60),
    comtitle1 VARCHAR(20),
    comtel1 VARCHAR(14),
    comname1 VARCHAR(8),
    comno1 VARCHAR(15)
);
INSERT INTO cont_2_keyed (contno, sojaji, dong, ho, duse, m21, m21p, gujo, m22, m22p,
    ensurem, ensurem1, danga, money1, money21, money21d, money22, money22d, money3, money3d,
    indoday, remark1, remark2, Remark3, Remark4, signday, add1, jumin1, name1, tel1, add2,
    jumin2, name2, tel2, comadd1, comtitle1, comtel1, comname1, comno1)
    SELECT rowid, sojaji, dong, ho, duse, m21, m21p, gujo, m22, m22p, ensurem, ensurem1,
        danga, money1, money21, money21d, money22, money22d, money3, money3d, indoday, remark1,
        remark2, Remark3, Remark4, signday, add1, jumin1, name1, tel1, add2, jumin2, name2,
        tel2, comadd1, comtitle1, comtel1, comname1, comno1
    FROM cont_2 ORDER BY rowid;
DROP TABLE cont_2;
ALTER TABLE cont_2_keyed RENAME TO cont_2;

-- Lease contracts, keyed by contno.
CREATE TABLE cont_1_keyed (
    contno INTEGER NOT NULL PRIMARY KEY,
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
    ensurem VARCHAR(100),
    ensurem1 VARCHAR(15),
    money1 VARCHAR(100),
    money21 VARCHAR(100),
    money21d VARCHAR(10),
    money22 VARCHAR(100),
    money22d VARCHAR(10),
    money3 VARCHAR(100),
    money3d VARCHAR(10),
    monthm VARCHAR(100),
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
    tel1 VARCHAR(17),
    add2 VARCHAR(60),
    jumin2 VARCHAR(14),
    name2 VARCHAR(20),
    tel2 VARCHAR(17),
    comadd1 VARCHAR(60),
    comtitle1 VARCHAR(20),
    comtel1 VARCHAR(14),
    comname1 VARCHAR(8),
    comno1 VARCHAR(15)
);
INSERT INTO cont_1_keyed (contno, sojaji, dong, ho, duse, m21, m21p, gujo, m22, m22p, imdae,
    ensurem, ensurem1, money1, money21, money21d, money22, money22d, money3, money3d, monthm,
    monthmd, indoday, monthCount, remark1, remark2, REMARK3, REMARK4, signday, add1, jumin1,
    name1, tel1, add2, jumin2, name2, tel2, comadd1, comtitle1, comtel1, comname1, comno1)
    SELECT rowid, sojaji, dong, ho, duse, m21, m21p, gujo, m22, m22p, imdae, ensurem,
        ensurem1, money1, money21, money21d, money22, money22d, money3, money3d, monthm,
        monthmd, indoday, monthCount, remark1, remark2, REMARK3, REMARK4, signday, add1, jumin1,
        name1, tel1, add2, jumin2, name2, tel2, comadd1, comtitle1, comtel1, comname1, comno1
    FROM cont_1 ORDER BY rowid;
DROP TABLE cont_1;
ALTER TABLE cont_1_keyed RENAME TO cont_1;
