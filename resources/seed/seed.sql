-- Seed data of a new office database.

-- Consultation stages of client requests.
INSERT INTO bucode (gubun, code) VALUES ('W', '계약'), ('W', '문의'), ('W', '작업중'), ('W', '좋은손님'), ('W', '취소');

-- Kinds of property offered for lease.
INSERT INTO bucode (gubun, code) VALUES
    ('I', '아파트'), ('I', '단독주택'), ('I', '다세대'), ('I', '연립주택'), ('I', '원룸'),
    ('I', '상가'), ('I', '사무실'), ('I', '점포'), ('I', '공장'), ('I', '창고'), ('I', '토지');

-- Kinds of property offered for sale.
INSERT INTO bucode (gubun, code) VALUES
    ('M', '아파트'), ('M', '단독주택'), ('M', '다세대'), ('M', '연립주택'), ('M', '상가'),
    ('M', '사무실'), ('M', '상가건물'), ('M', '토지'), ('M', '공장'), ('M', '전원주택');

-- Person codes: business types, groups, product kinds, relations.
INSERT INTO mancode (gubun, code) VALUES
    ('C', '건설업'), ('C', '제조업'), ('C', '도소매업'), ('C', '서비스업'), ('C', '금융업'),
    ('G', '동창회'), ('G', '친목회'), ('G', '상공회'),
    ('P', '아파트'), ('P', '상가'), ('P', '토지'), ('P', '주택'),
    ('R', '고객'), ('R', '친구'), ('R', '친척'), ('R', '거래처');
