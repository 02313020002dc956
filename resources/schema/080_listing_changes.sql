-- Several desks on one store: a listing carries how many times it was saved
-- (changes) and the desk that saved it last (changedby, the one digit or
-- letter of [Office] desk= in that desk's quarnel.ini). A save of a listing
-- another desk saved since it was loaded is caught by the counter.
ALTER TABLE budong ADD COLUMN changes INTEGER;
ALTER TABLE budong ADD COLUMN changedby VARCHAR(1);
