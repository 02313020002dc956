-- Several desks on one store: client requests and the three documents (sale
-- and lease contracts, explanation sheets) carry how many times they were
-- saved (changes) and the desk that saved them last (changedby), as listings
-- do; a save of a row another desk saved since it was loaded is caught by
-- the counter.
ALTER TABLE burequ ADD COLUMN changes INTEGER;
ALTER TABLE burequ ADD COLUMN changedby VARCHAR(1);
ALTER TABLE cont_1 ADD COLUMN changes INTEGER;
ALTER TABLE cont_1 ADD COLUMN changedby VARCHAR(1);
ALTER TABLE cont_2 ADD COLUMN changes INTEGER;
ALTER TABLE cont_2 ADD COLUMN changedby VARCHAR(1);
ALTER TABLE junggah ADD COLUMN changes INTEGER;
ALTER TABLE junggah ADD COLUMN changedby VARCHAR(1);
