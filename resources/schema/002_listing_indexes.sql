-- Indexes of the listing search. The search always compares the request and
-- advertisement flags and sorts by listing number, kind or address; these
-- indexes give those rows in order without reading the whole table.
CREATE INDEX budong_flags_scancode ON budong (reqing, kwanggo, scancode);
CREATE INDEX budong_flags_cname ON budong (reqing, kwanggo, cname);
CREATE INDEX budong_flags_addr ON budong (reqing, kwanggo, addr);
-- Deal kind and classification, the drop-down lists of the search panel.
CREATE INDEX budong_kind ON budong (im, cname, reqing, kwanggo, scancode);
-- Amount ranges, receipt dates and lease ends.
CREATE INDEX budong_tmprice ON budong (tmprice);
CREATE INDEX budong_inday ON budong (inday);
CREATE INDEX budong_expireday ON budong (expireday, scancode);
