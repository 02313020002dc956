-- Indexes of the listing search. The search always compares the request and
-- advertisement flags, then the conditions the user filled, and sorts by
-- listing number, kind or address.
--
-- budong_search gives the flagged listings in number order and carries every
-- column a search condition reads, so a search in number order tests its
-- conditions on the index alone and reads a listing only when it matches,
-- and the result is counted from the index without reading the table.
CREATE INDEX budong_search ON budong (reqing, kwanggo, scancode, im, cname, cname1, tmprice, dpung, gpung,
                                      stair, name, name1, addr, addr1, buildname, man, inday, expireday);
-- The other two sort orders of the list.
CREATE INDEX budong_flags_cname ON budong (reqing, kwanggo, cname);
CREATE INDEX budong_flags_addr ON budong (reqing, kwanggo, addr);
-- Deal kind and classification, the drop-down lists of the search panel.
CREATE INDEX budong_kind ON budong (im, cname, reqing, kwanggo, scancode);
-- Leases ending within a period, in the order of their end.
CREATE INDEX budong_expireday ON budong (expireday, scancode);
