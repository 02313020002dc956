-- The cash book's searches and the partners' cascades.
--
-- maipmach_day1 gives the entries of a period in date order and carries
-- every column the cash book's lists and the yearly settlement sum, so a
-- period is read from the index alone. maipmach_comname serves a search for
-- one partner's name; maipmach_comno the renumbering and deletion of a
-- partner, which find its entries by number.
CREATE INDEX maipmach_day1 ON maipmach (Day1, Comname, Comno, Yearmonth, Money, Vat, Money1, Vat1);
CREATE INDEX maipmach_comname ON maipmach (Comname, Day1);
CREATE INDEX maipmach_comno ON maipmach (Comno, Comname);

-- The settlement's rows in the order they were written: the partners by
-- name and the totals row last.
ALTER TABLE year_tot ADD COLUMN Seq INTEGER;
