-- Index of the client list's match ("물건?"): a client's kind is always a
-- condition (매수 looks for 매매, 임대 for 임대), the result is sorted by
-- receipt date, and the other wishes compare the columns that follow.
-- Within one kind the index gives the listings in receipt-date order and
-- carries every column a wish compares, so the match tests its conditions
-- on the index, counts without reading the table and reads a listing only
-- for the screenful it shows.
CREATE INDEX budong_match ON budong (im, inday, reqing, cname, addr, dpung, gpung, tmprice, ensurem,
                                     cname1);
